// Conversions between the program's UTF-8 text and UTF-16 code units, for the
// places where UTF-16 is observable (sort order, lengths, 7-bit name forms).
#pragma once

#include <string>
#include <string_view>

// Invalid or truncated UTF-8 sequences become U+FFFD, one per offending byte.
std::u16string Utf8ToUtf16(std::string_view text);

// Unpaired surrogates become U+FFFD.
std::string Utf16ToUtf8(std::u16string_view units);

// The same text with every invalid UTF-8 byte replaced by U+FFFD.
std::string SanitizeUtf8(std::string_view text);

// Orders two UTF-8 texts as their UTF-16 code units would order.
bool LessByUtf16(std::string_view a, std::string_view b);
