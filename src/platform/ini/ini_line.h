// How one line of an INI file is read: the rules of the Windows profile
// functions that people rely on when they edit such files by hand.
#pragma once

#include <string_view>

namespace platform {

enum class IniLineKind { Other, Comment, Section, Entry };

struct IniLine {
  IniLineKind kind = IniLineKind::Other;
  std::string_view name;   // section name or key, trimmed
  std::string_view value;  // entry value, trimmed, one pair of matching quotes removed
  size_t valueStart = 0;   // offset of the raw value text in the line (after "=" and blanks)
};

// Classifies a line given without its line end.
IniLine ParseIniLine(std::string_view line);

std::string_view TrimBlanks(std::string_view text);

}  // namespace platform
