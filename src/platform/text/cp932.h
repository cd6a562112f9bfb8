// Code page 932 (Shift_JIS as Windows uses it) to and from UTF-8, through iconv.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace platform {

// Bytes in the iconv encoding `from` as UTF-8; a byte that does not start a
// valid character becomes U+FFFD. nullopt when no converter can be opened;
// 7-bit bytes need none.
std::optional<std::string> ConvertToUtf8(std::string_view bytes, const char* from);

// The same for code page 932.
std::optional<std::string> Cp932ToUtf8(std::string_view bytes);

// False when any character has no CP932 form (out then holds nothing useful).
bool Utf8ToCp932(std::string_view text, std::string& out);

}  // namespace platform
