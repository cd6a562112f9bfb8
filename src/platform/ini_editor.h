// Edits of an INI text that change one entry or section and leave every other
// line exactly as it was. New lines end in CR LF.
#pragma once

#include <optional>
#include <string>
#include <string_view>

// Replaces the value of the key in place, or appends the entry at the end of
// its section, or appends the section at the end of the text.
std::string IniSetValue(std::string_view text, std::string_view section, std::string_view key, std::string_view value);

// The text without the entry (nullopt when the section or the key is absent).
std::optional<std::string> IniRemoveKey(std::string_view text, std::string_view section, std::string_view key);

// The text without the section's header and lines (nullopt when it is absent).
std::optional<std::string> IniRemoveSection(std::string_view text, std::string_view section);
