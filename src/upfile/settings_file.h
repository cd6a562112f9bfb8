// Reads one value of an INI-like file by the rule of the upload settings.
#pragma once

#include <string>

// The file is read anew whenever it may have changed; otherwise the lines
// parsed at the last read are used again, which keeps a read per table cell cheap.
std::string ReadSettingFromFile(const std::string& path, const std::string& section, const std::string& key,
                                const std::string& def);
