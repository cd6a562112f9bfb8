#include "htmout/xml_out.h"

#include "htmout/line_writer.h"

std::vector<std::string> Xml_Out::CreateElement(const Xml_E& element, int depth) {
  std::string text;
  std::vector<size_t> lineEnds;
  htmout::AppendLines(element, depth, text, lineEnds);
  std::vector<std::string> lines;
  lines.reserve(lineEnds.size());
  size_t start = 0;
  for (size_t end : lineEnds) {
    lines.emplace_back(text, start, end - start);
    start = end + 2;
  }
  return lines;
}

std::string JoinLines(const std::vector<std::string>& lines) {
  if (lines.empty()) return "\r\n";
  size_t size = 0;
  for (const std::string& line : lines) size += line.size() + 2;
  std::string text;
  text.reserve(size);
  for (const std::string& line : lines) {
    text += line;
    text += "\r\n";
  }
  return text;
}
