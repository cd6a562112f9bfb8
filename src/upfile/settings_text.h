// The reading rule of the upload settings file, on its decoded text. It is not
// the INI reader of the platform: a key matches as the prefix of a line.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The lines of the text, each trimmed of surrounding white space.
using SettingLines = std::vector<std::string>;
SettingLines SplitSettingLines(std::string_view text);

// The value of the first line of the section that begins with key and has an
// "=" behind it; nullopt when the section or such a line is missing.
std::optional<std::string> FindSettingValue(const SettingLines& lines, std::string_view section,
                                            std::string_view key);
