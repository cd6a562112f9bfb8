// The upload settings file: its own reading rule (not the INI reader of the
// platform: a key matches as the prefix of a line), a parsed copy per file,
// and the only writes, of keys that are missing.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace publish {

// The lines of the text, each trimmed of surrounding white space.
using SettingLines = std::vector<std::string>;
SettingLines SplitSettingLines(std::string_view text);

// The value of the first line of the section that begins with key and has an
// "=" behind it; nullopt when the section or such a line is missing.
std::optional<std::string> FindSettingValue(const SettingLines& lines, std::string_view section,
                                            std::string_view key);

// The value in the file, or def. The file is read anew whenever it may have
// changed; otherwise the lines parsed at the last read are used again.
std::string ReadSettingFromFile(const std::string& path, const std::string& section, const std::string& key,
                                const std::string& def);

// True when the key exists already or writing it succeeded; false for an empty name.
bool WriteIfAbsent(const std::string& path, const std::string& section, const std::string& key,
                   const std::string& value);

}  // namespace publish
