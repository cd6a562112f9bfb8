#include "platform/ini/ini_line.h"

namespace platform {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\v' || c == '\f' || c == '\r' || c == '\n'; }

std::string_view StripQuotes(std::string_view value) {
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front()) {
    return value.substr(1, value.size() - 2);
  }
  return value;
}

}  // namespace

std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

IniLine ParseIniLine(std::string_view line) {
  IniLine result;
  const std::string_view trimmed = TrimBlanks(line);
  if (trimmed.empty()) return result;
  if (trimmed.front() == ';') {
    result.kind = IniLineKind::Comment;
    return result;
  }
  if (trimmed.front() == '[') {
    // The name runs to the last "]", so "[a]b]" names "a]b" as Windows reads it.
    const size_t close = trimmed.rfind(']');
    if (close != std::string_view::npos) {
      result.kind = IniLineKind::Section;
      result.name = TrimBlanks(trimmed.substr(1, close - 1));
    }
    return result;
  }
  const size_t equals = line.find('=');
  if (equals == std::string_view::npos) return result;
  result.kind = IniLineKind::Entry;
  result.name = TrimBlanks(line.substr(0, equals));
  size_t start = equals + 1;
  while (start < line.size() && IsBlank(line[start])) ++start;
  result.valueStart = start;
  result.value = StripQuotes(TrimBlanks(line.substr(start)));
  return result;
}

}  // namespace platform
