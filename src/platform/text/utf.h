// Conversions between the program's UTF-8 text and UTF-16 code units, for the
// places where UTF-16 is observable (sort order, lengths, 7-bit name forms).
#pragma once

#include <string>
#include <string_view>

namespace platform {

// Each byte that is not part of well-formed UTF-8 becomes the lone unit
// U+DC00 + byte (U+DC80..U+DCFF), as file names with such bytes need.
std::u16string Utf8ToUtf16(std::string_view text);

// A lone U+DC80..U+DCFF becomes its byte again; other unpaired surrogates U+FFFD.
std::string Utf16ToUtf8(std::u16string_view units);

// The same text with every invalid UTF-8 byte replaced by U+FFFD.
std::string SanitizeUtf8(std::string_view text);

// Orders two UTF-8 texts as their UTF-16 code units would order.
bool LessByUtf16(std::string_view a, std::string_view b);

}  // namespace platform
