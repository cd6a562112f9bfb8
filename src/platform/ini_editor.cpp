#include "platform/ini_editor.h"

#include <vector>

#include "platform/ini_line.h"
#include "platform/text_case.h"

namespace {

constexpr std::string_view kNewLine = "\r\n";

struct Lines {
  std::vector<std::string_view> pieces;

  explicit Lines(std::string_view text) : pieces(SplitLinesKeepEnds(text)) {}

  IniLine Parsed(size_t i) const { return ParseIniLine(Content(i)); }
  std::string_view Content(size_t i) const { return pieces[i].substr(0, pieces[i].size() - LineEnd(pieces[i]).size()); }

  // Joins pieces [from, to) unchanged.
  std::string Join(size_t from, size_t to) const {
    std::string out;
    for (size_t i = from; i < to; ++i) out += pieces[i];
    return out;
  }
};

// Lines [header, end) of the first section of the name, or header == npos.
struct SectionRange {
  size_t header = std::string_view::npos;
  size_t end = 0;
};

SectionRange FindSection(const Lines& lines, std::string_view section) {
  SectionRange range;
  for (size_t i = 0; i < lines.pieces.size(); ++i) {
    const IniLine line = lines.Parsed(i);
    if (line.kind != IniLineKind::Section) continue;
    if (range.header != std::string_view::npos) {
      range.end = i;
      return range;
    }
    if (EqualNoCase(line.name, section)) range.header = i;
  }
  range.end = lines.pieces.size();
  return range;
}

size_t FindKey(const Lines& lines, const SectionRange& range, std::string_view key) {
  for (size_t i = range.header + 1; i < range.end; ++i) {
    const IniLine line = lines.Parsed(i);
    if (line.kind == IniLineKind::Entry && EqualNoCase(line.name, key)) return i;
  }
  return std::string_view::npos;
}

// Piece i with a line end, so that a line can follow it.
std::string Terminated(std::string_view piece) {
  std::string out(piece);
  if (LineEnd(piece).empty()) out += kNewLine;
  return out;
}

std::string Entry(std::string_view key, std::string_view value) {
  std::string out(key);
  out += '=';
  out += value;
  out += kNewLine;
  return out;
}

}  // namespace

std::string IniSetValue(std::string_view text, std::string_view section, std::string_view key, std::string_view value) {
  const Lines lines(text);
  const size_t count = lines.pieces.size();
  const SectionRange range = FindSection(lines, section);
  if (range.header == std::string_view::npos) {
    std::string out = count == 0 ? std::string() : lines.Join(0, count - 1) + Terminated(lines.pieces.back());
    return out + "[" + std::string(section) + "]" + std::string(kNewLine) + Entry(key, value);
  }
  const size_t at = FindKey(lines, range, key);
  if (at != std::string_view::npos) {
    // Only the value changes: the key's spelling and spacing stay as the user wrote them.
    const std::string_view piece = lines.pieces[at];
    std::string line(piece.substr(0, lines.Parsed(at).valueStart));
    return lines.Join(0, at) + line + std::string(value) + std::string(LineEnd(piece)) + lines.Join(at + 1, count);
  }
  size_t last = range.end - 1;  // the new entry follows the section's last non-blank line
  while (last > range.header && TrimBlanks(lines.Content(last)).empty()) --last;
  return lines.Join(0, last) + Terminated(lines.pieces[last]) + Entry(key, value) + lines.Join(last + 1, count);
}

std::optional<std::string> IniRemoveKey(std::string_view text, std::string_view section, std::string_view key) {
  const Lines lines(text);
  const SectionRange range = FindSection(lines, section);
  if (range.header == std::string_view::npos) return std::nullopt;
  const size_t at = FindKey(lines, range, key);
  if (at == std::string_view::npos) return std::nullopt;
  return lines.Join(0, at) + lines.Join(at + 1, lines.pieces.size());
}

std::optional<std::string> IniRemoveSection(std::string_view text, std::string_view section) {
  const Lines lines(text);
  const SectionRange range = FindSection(lines, section);
  if (range.header == std::string_view::npos) return std::nullopt;
  return lines.Join(0, range.header) + lines.Join(range.end, lines.pieces.size());
}
