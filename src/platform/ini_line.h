// How one line of an INI file is read: the rules of the Windows profile
// functions that people rely on when they edit such files by hand.
#pragma once

#include <string_view>
#include <vector>

enum class IniLineKind { Other, Comment, Section, Entry };

struct IniLine {
  IniLineKind kind = IniLineKind::Other;
  std::string_view name;   // section name or key, trimmed
  std::string_view value;  // entry value, trimmed, one pair of matching quotes removed
  size_t valueStart = 0;   // offset of the raw value text in the line (after "=" and blanks)
};

// Classifies a line given without its line end.
IniLine ParseIniLine(std::string_view line);

// The text cut into lines; each piece keeps its own line end (CR LF, LF or CR).
std::vector<std::string_view> SplitLinesKeepEnds(std::string_view text);

// The line end at the end of a piece from SplitLinesKeepEnds ("" for the last line without one).
std::string_view LineEnd(std::string_view piece);

std::string_view TrimBlanks(std::string_view text);
