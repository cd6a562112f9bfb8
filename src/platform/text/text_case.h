// Case-insensitive matching of names (INI sections and keys, registry paths),
// the way the Windows name comparisons treat letters of every script.
#pragma once

#include <string>
#include <string_view>

namespace platform {

// True when the text holds 7-bit characters only.
bool IsAscii(std::string_view text);

// The text with every letter in lower case; other characters unchanged.
std::string ToLowerText(std::string_view text);

// True when both texts are equal without regard to case.
bool EqualNoCase(std::string_view a, std::string_view b);

}  // namespace platform
