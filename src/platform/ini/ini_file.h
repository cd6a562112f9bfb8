// The INI functions of the Windows profile API (GetPrivateProfileString,
// GetPrivateProfileInt, WritePrivateProfileString) as the tool uses them.
//
// Sections and keys match without regard to case; a missing file, section or
// key gives the default. A file is read in any encoding the text decoder knows,
// line by line, so that a zero byte hides no more than the rest of its line.
// A write changes only the line it writes and keeps every other line's bytes;
// the new line is in the file's encoding (UTF-8 in a 7-bit file; only 7-bit
// text where the bytes leave the encoding open). Reads are served from a
// parsed copy while the file is unchanged, so reading a key per page cell
// stays cheap.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "platform/ini/ini_document.h"

namespace platform {

std::string IniReadString(const std::string& section, const std::string& key, const std::string& def,
                          const std::string& path);

// Optional sign and leading digits of the value; the default when the key is
// missing or its value empty.
int IniReadInt(const std::string& section, const std::string& key, int def, const std::string& path);

// What the int reader makes of a value: def when it is empty, else the low 32
// bits of its optional sign and leading digits.
int IniIntValue(const std::string& value, int def);

// The value, or nullopt when the file, section or key is missing.
std::optional<std::string> IniFindString(const std::string& section, const std::string& key, const std::string& path);

// The parsed file, for several lookups at once; nullptr when it is missing.
std::shared_ptr<const IniDocument> IniLoad(const std::string& path);

// Creates a missing file (never a missing folder). False, with the file
// unchanged, for names that the file could not hold (empty, line breaks, "="
// in a key, "]" in a section), for values with line breaks, for text that has
// no form in the file's encoding, and for a file that cannot be decoded or is
// read-only.
bool IniWriteString(const std::string& section, const std::string& key, const std::string& value,
                    const std::string& path);

}  // namespace platform
