// Edits of an INI file that change one entry or section and keep the bytes of
// every other line. New lines end in CR LF and are in the file's encoding.
#pragma once

#include <optional>
#include <string_view>

#include "platform/file_io.h"
#include "platform/ini_lines.h"

// Replaces the value of the key in place, or appends the entry at the end of
// its section, or appends the section at the end of the file. nullopt when the
// new text has no form in the file's encoding.
std::optional<platform::Bytes> IniSetValue(const IniFileLines& file, std::string_view section, std::string_view key,
                                 std::string_view value);

// The file without the entry (nullopt when the section or the key is absent).
std::optional<platform::Bytes> IniRemoveKey(const IniFileLines& file, std::string_view section, std::string_view key);

// The file without the section's header and lines (nullopt when it is absent).
std::optional<platform::Bytes> IniRemoveSection(const IniFileLines& file, std::string_view section);
