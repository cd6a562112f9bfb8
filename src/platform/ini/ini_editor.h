// The edit of an INI file that changes one entry and keeps the bytes of every
// other line. New lines end in CR LF and are in the file's encoding.
#pragma once

#include <optional>
#include <string_view>

#include "platform/fs/file_io.h"
#include "platform/ini/ini_lines.h"

namespace platform {

// Replaces the value of the key in place, or appends the entry at the end of
// its section, or appends the section at the end of the file. nullopt when the
// new text has no form in the file's encoding.
std::optional<Bytes> IniSetValue(const IniFileLines& file, std::string_view section, std::string_view key,
                                 std::string_view value);

}  // namespace platform
