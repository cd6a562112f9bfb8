#include "publish/settings_file.h"

#include <algorithm>
#include <memory>

#include "platform/fs/file_io.h"
#include "platform/fs/parsed_file_cache.h"
#include "platform/ini/ini_file.h"
#include "platform/text/text_decode.h"

namespace publish {
namespace {

constexpr std::string_view kAsciiSpace = " \t\r\n\v\f";
constexpr std::string_view kIdeographicSpace = "\xE3\x80\x80";

std::string_view Trim(std::string_view text) {
  for (;;) {
    const size_t before = text.size();
    text.remove_prefix(std::min(text.find_first_not_of(kAsciiSpace), text.size()));
    if (text.starts_with(kIdeographicSpace)) text.remove_prefix(kIdeographicSpace.size());
    const size_t last = text.find_last_not_of(kAsciiSpace);
    text = text.substr(0, last == std::string_view::npos ? 0 : last + 1);
    if (text.ends_with(kIdeographicSpace)) text.remove_suffix(kIdeographicSpace.size());
    if (text.size() == before) return text;
  }
}

char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// An exact match, else a match after lower-casing both sides.
bool StartsWithName(std::string_view line, std::string_view name) {
  if (line.size() < name.size()) return false;
  for (size_t i = 0; i < name.size(); ++i) {
    if (LowerAscii(line[i]) != LowerAscii(name[i])) return false;
  }
  return true;
}

bool IsSkipped(std::string_view line) { return line.empty() || line.front() == ';'; }

bool IsSectionHeader(std::string_view line) {
  return line.starts_with('[') && line.find(']') != std::string_view::npos;
}

std::string_view Unquote(std::string_view value) {
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front()) {
    return value.substr(1, value.size() - 2);
  }
  return value;
}

std::shared_ptr<const SettingLines> CurrentLines(const std::string& path) {
  // One per process, shared by every job's reads.
  static platform::ParsedFileCache<SettingLines> files;
  return files.Get(path, [](const std::string& file) {
    return std::make_shared<const SettingLines>(SplitSettingLines(platform::ReadTextFile(file)));
  });
}

}  // namespace

SettingLines SplitSettingLines(std::string_view text) {
  SettingLines lines;
  while (!text.empty()) {
    const size_t end = std::min(text.find_first_of("\r\n"), text.size());
    lines.emplace_back(Trim(text.substr(0, end)));
    text.remove_prefix(end);
    if (text.starts_with("\r\n")) {
      text.remove_prefix(2);
    } else if (!text.empty()) {
      text.remove_prefix(1);
    }
  }
  return lines;
}

std::optional<std::string> FindSettingValue(const SettingLines& lines, std::string_view section,
                                            std::string_view key) {
  const std::string header = "[" + std::string(section) + "]";
  size_t i = 0;
  while (i < lines.size() && (IsSkipped(lines[i]) || !StartsWithName(lines[i], header))) ++i;
  if (i == lines.size()) return std::nullopt;
  for (++i; i < lines.size() && !IsSectionHeader(lines[i]); ++i) {
    const std::string_view line = lines[i];
    if (IsSkipped(line) || !StartsWithName(line, key)) continue;
    const size_t equals = line.find('=', key.size());
    if (equals != std::string_view::npos) return std::string(Unquote(Trim(line.substr(equals + 1))));
  }
  return std::nullopt;
}

std::string ReadSettingFromFile(const std::string& path, const std::string& section, const std::string& key,
                                const std::string& def) {
  if (path.empty() || section.empty() || key.empty()) return def;
  const std::shared_ptr<const SettingLines> lines = CurrentLines(path);
  if (!lines) return def;
  return FindSettingValue(*lines, section, key).value_or(def);
}

bool WriteIfAbsent(const std::string& path, const std::string& section, const std::string& key,
                   const std::string& value) {
  if (path.empty() || section.empty() || key.empty()) return false;
  if (ReadSettingFromFile(path, section, key, "0") == ReadSettingFromFile(path, section, key, "1")) return true;
  return platform::IniWriteString(section, key, value, path);
}

}  // namespace publish
