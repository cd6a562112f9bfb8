// Code page 932 (Shift_JIS as Windows uses it) to and from UTF-8, through iconv.
#pragma once

#include <string>
#include <string_view>

// Never fails: a byte that does not start a valid character becomes U+FFFD.
std::string Cp932ToUtf8(std::string_view bytes);

// False when any character has no CP932 form (out then holds nothing useful).
bool Utf8ToCp932(std::string_view text, std::string& out);
