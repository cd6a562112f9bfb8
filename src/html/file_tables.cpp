#include "html/file_tables.h"

#include <algorithm>

#include "html/escape.h"
#include "platform/text/path_text.h"

namespace html {
namespace {

unsigned CellsPerRow(int setting) {
  const auto count = static_cast<unsigned>(setting);
  if (count == 0) return 1;
  return std::min(count, 5u);
}

std::string Cell(const std::string& entry, const std::string& thumbnail, const TableSettings& settings) {
  const std::string name = platform::GetFileName(platform::RemoveSeparator(entry));
  const std::string src = EscapeAddress(thumbnail);
  const std::string href = EscapeAddress(name);
  const std::string text = EscapeText(name);
  if (settings.tile == 1) return TdImageWithCaption("data_br", src, href, text).ToString();
  return TdImageAndLink("data_ia", src, href, text).ToString();
}

// One "tr" per perRow cells, each on its own line; a group ends in CR LF even
// when it holds no row.
std::string RowGroup(const std::vector<std::string>& cells, unsigned perRow) {
  if (cells.empty()) return "\r\n";
  std::string text;
  for (size_t start = 0; start < cells.size(); start += perRow) {
    std::string rowText = perRow > 1 ? "\r\n" : "";
    for (size_t i = start; i < std::min(start + perRow, cells.size()); ++i) rowText += cells[i] + "\r\n";
    Element row("tr");
    row.SetText(std::move(rowText));
    text += row.ToString() + "\r\n";
  }
  return text;
}

}  // namespace

Element FileTable(const std::vector<std::string>& entries, const std::map<std::string, std::string>& thumbnails,
                  const TableSettings& settings) {
  std::vector<std::string> withThumbnail;
  std::vector<std::string> without;
  for (const std::string& entry : entries) {
    const auto found = thumbnails.find(entry);
    if (found != thumbnails.end())
      withThumbnail.push_back(Cell(entry, found->second, settings));
    else
      without.push_back(Cell(entry, "", settings));
  }
  const unsigned perRow = CellsPerRow(settings.perRow);
  Element table("table", {{"style", StyleText({{"margin-left", "auto"}, {"margin-right", "auto"}})}});
  // Two more empty groups close the text, as pages have always had them.
  table.SetText("\r\n" + RowGroup(withThumbnail, perRow) + RowGroup(without, perRow) + "\r\n\r\n");
  Element block = DivCenter();
  block.AddElement(std::move(table));
  return block;
}

}  // namespace html
