#include "platform/fs/file_io.h"
#include "platform/ini/ini_editor.h"

#include "platform/ini/ini_line.h"
#include "platform/text/text_case.h"
#include "platform/text/text_encode.h"

namespace platform {

namespace {

constexpr std::string_view kNewLine = "\r\n";
constexpr size_t kNone = std::string_view::npos;

IniLine Parsed(const IniFileLines& file, size_t i) { return ParseIniLine(file.lines[i].text); }

// Lines [header, end) of the first section of the name, or header == kNone.
struct SectionRange {
  size_t header = kNone;
  size_t end = 0;
};

SectionRange FindSection(const IniFileLines& file, std::string_view section) {
  SectionRange range;
  for (size_t i = 0; i < file.lines.size(); ++i) {
    const IniLine line = Parsed(file, i);
    if (line.kind != IniLineKind::Section) continue;
    if (range.header != kNone) {
      range.end = i;
      return range;
    }
    if (EqualNoCase(line.name, section)) range.header = i;
  }
  range.end = file.lines.size();
  return range;
}

size_t FindKey(const IniFileLines& file, const SectionRange& range, std::string_view key) {
  for (size_t i = range.header + 1; i < range.end; ++i) {
    const IniLine line = Parsed(file, i);
    if (line.kind == IniLineKind::Entry && EqualNoCase(line.name, key)) return i;
  }
  return kNone;
}

// The file with its bytes [from, to) replaced.
Bytes Splice(const IniFileLines& file, size_t from, size_t to, const Bytes& with) {
  Bytes out(file.bytes.begin(), file.bytes.begin() + static_cast<std::ptrdiff_t>(from));
  out.insert(out.end(), with.begin(), with.end());
  out.insert(out.end(), file.bytes.begin() + static_cast<std::ptrdiff_t>(to), file.bytes.end());
  return out;
}

// The same with text in the file's encoding; nullopt when it has no form there.
std::optional<Bytes> SpliceText(const IniFileLines& file, size_t from, size_t to, const std::string& text) {
  const std::optional<Bytes> encoded = EncodeAs(file.code, text);
  if (!encoded) return std::nullopt;
  return Splice(file, from, to, *encoded);
}

// What a line needs in front of a line that is to follow it.
std::string_view BreakAfter(const IniFileLine& line) { return line.end == line.contentEnd ? kNewLine : ""; }

std::string Entry(std::string_view key, std::string_view value) {
  return std::string(key) + '=' + std::string(value) + std::string(kNewLine);
}

}  // namespace

std::optional<Bytes> IniSetValue(const IniFileLines& file, std::string_view section, std::string_view key,
                                 std::string_view value) {
  const std::vector<IniFileLine>& lines = file.lines;
  const SectionRange range = FindSection(file, section);
  if (range.header == kNone) {
    const std::string header = "[" + std::string(section) + "]" + std::string(kNewLine);
    const std::string_view before = lines.empty() ? "" : BreakAfter(lines.back());
    return SpliceText(file, file.bytes.size(), file.bytes.size(), std::string(before) + header + Entry(key, value));
  }
  const size_t at = FindKey(file, range, key);
  if (at != kNone) {
    // Only the value changes: the key's spelling and spacing stay as the user wrote them.
    const IniFileLine& line = lines[at];
    return SpliceText(file, line.begin, line.contentEnd,
                      line.text.substr(0, Parsed(file, at).valueStart) + std::string(value));
  }
  size_t last = range.end - 1;  // the new entry follows the section's last non-blank line
  while (last > range.header && TrimBlanks(lines[last].text).empty()) --last;
  return SpliceText(file, lines[last].end, lines[last].end, std::string(BreakAfter(lines[last])) + Entry(key, value));
}

}  // namespace platform
