// Reading text files of unknown encoding: a byte-order mark decides where
// there is one, else a byte-pattern test picks 7-bit, Shift_JIS or UTF-8.
#pragma once

#include <optional>
#include <string>

#include "platform/text/bytes.h"

namespace platform {

// The encodings the detector tells apart; the values are the codes the
// family's tools give them.
enum class Encoding {
  None = 0,  // not decidable
  Utf8 = 8,
  Utf16Le = 16,
  Utf16Be = 17,
  Utf32Le = 32,
  Utf32Be = 33,
  SevenBit = 65,
  ShiftJis = 74,
};

// Bytes per code unit of an encoding code: 1, 2 or 4.
size_t UnitSize(Encoding code);

// The encoding code of the bytes; markSize gets the size of the byte-order
// mark in front of them (0 without one).
Encoding DetectEncodingOf(const Bytes& bytes, size_t& markSize);

// Returns the encoding code; removes the mark and appends a zero terminator
// of the code's unit size.
Encoding DetectEncoding(Bytes& bytes);

// Bytes without a mark in the encoding of a code, up to their first zero
// character, as UTF-8; nullopt when they need a converter that is missing.
std::optional<std::string> DecodeAs(Encoding code, Bytes bytes);

// The text up to its first zero character, as UTF-8 (empty when it cannot be decoded).
std::string DecodeText(Bytes bytes);


}  // namespace platform
