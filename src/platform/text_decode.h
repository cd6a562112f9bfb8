// Reading text files of unknown encoding: a byte-order mark decides where
// there is one, else a byte-pattern test picks 7-bit, Shift_JIS or UTF-8.
#pragma once

#include <string>

#include "platform/file_services.h"

constexpr int kEncodingNone = 0;
constexpr int kEncodingUtf8 = 8;
constexpr int kEncodingUtf16Le = 16;
constexpr int kEncodingUtf16Be = 17;
constexpr int kEncodingUtf32Le = 32;
constexpr int kEncodingUtf32Be = 33;
constexpr int kEncoding7Bit = 65;
constexpr int kEncodingShiftJis = 74;

// Returns the encoding code; removes the mark and appends a zero terminator
// of the code's unit size.
int DetectEncoding(Bytes& bytes);

// The text up to its first zero character, as UTF-8.
std::string DecodeText(Bytes bytes);

// Empty when the file does not exist.
std::string ReadTextFile(const std::string& path);
