#include "platform/fs/file_io.h"
#include "platform/ini/ini_lines.h"

#include <string_view>

#include "platform/text/text_case.h"
#include "platform/text/text_decode.h"

namespace platform {

namespace {

bool IsBigEndian(Encoding code) { return code == Encoding::Utf16Be || code == Encoding::Utf32Be; }

// The code unit at a byte offset, in the code's size and byte order.
char32_t UnitAt(const IniFileLines& file, size_t at) {
  const size_t size = UnitSize(file.code);
  char32_t unit = 0;
  for (size_t k = 0; k < size; ++k) unit = unit << 8 | file.bytes[IsBigEndian(file.code) ? at + k : at + size - 1 - k];
  return unit;
}

bool IsLineEnd(char32_t unit) { return unit == '\r' || unit == '\n'; }

// The line from a start offset, without its text.
IniFileLine LineAt(const IniFileLines& file, size_t begin) {
  const size_t unit = UnitSize(file.code);
  const size_t size = file.bytes.size();
  IniFileLine line{begin, begin, begin, {}};
  while (line.contentEnd < size && !IsLineEnd(UnitAt(file, line.contentEnd))) line.contentEnd += unit;
  line.end = line.contentEnd;
  if (line.end == size) return line;
  const bool cr = UnitAt(file, line.end) == '\r';
  line.end += unit;
  if (cr && line.end < size && UnitAt(file, line.end) == '\n') line.end += unit;
  return line;
}

}  // namespace

std::optional<IniFileLines> SplitIniFile(Bytes bytes) {
  IniFileLines file{std::move(bytes), Encoding::None, {}};
  size_t at = 0;
  file.code = DetectEncodingOf(file.bytes, at);
  const std::string_view raw(reinterpret_cast<const char*>(file.bytes.data()), file.bytes.size());
  if (file.code == Encoding::SevenBit && IsAscii(raw)) file.code = Encoding::Utf8;
  if ((file.bytes.size() - at) % UnitSize(file.code) != 0) return std::nullopt;
  while (at < file.bytes.size()) {
    IniFileLine line = LineAt(file, at);
    const auto from = file.bytes.begin() + static_cast<std::ptrdiff_t>(line.begin);
    std::optional<std::string> text =
        DecodeAs(file.code, Bytes(from, from + static_cast<std::ptrdiff_t>(line.contentEnd - line.begin)));
    if (!text) return std::nullopt;
    line.text = std::move(*text);
    at = line.end;
    file.lines.push_back(std::move(line));
  }
  return file;
}

}  // namespace platform
