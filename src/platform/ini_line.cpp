#include "platform/ini_line.h"

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

std::vector<std::string_view> SplitLinesKeepEnds(std::string_view text) {
  std::vector<std::string_view> pieces;
  size_t start = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\r' && text[i] != '\n') continue;
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    pieces.push_back(text.substr(start, i + 1 - start));
    start = i + 1;
  }
  if (start < text.size()) pieces.push_back(text.substr(start));
  return pieces;
}

std::string_view LineEnd(std::string_view piece) {
  size_t content = piece.size();
  while (content > 0 && (piece[content - 1] == '\r' || piece[content - 1] == '\n')) --content;
  return piece.substr(content);
}
