#include "htmout/table_rows.h"

#include <algorithm>

#include "htmout/table_settings.h"
#include "htmout/xml_element.h"
#include "platform/profile.h"

namespace {

std::string RowText(std::vector<std::string>::const_iterator first,
          std::vector<std::string>::const_iterator last, unsigned perRow) {
  std::string text = perRow > 1 ? "\r\n" : "";
  for (auto cell = first; cell != last; ++cell)
    text += *cell + "\r\n";
  Xml_E row("tr");
  row.SetText(text);
  return row.ToString();
}

}  // namespace

std::vector<std::string> MakeRows(const std::vector<std::string>& cells, unsigned perRow) {
  std::vector<std::string> rows;
  for (std::size_t start = 0; start < cells.size(); start += perRow) {
    const std::size_t end = std::min<std::size_t>(start + perRow, cells.size());
    rows.push_back(RowText(cells.begin() + start, cells.begin() + end, perRow));
  }
  return rows;
}

std::vector<std::string> HT_Make_tr_rows(const std::vector<std::string>& cells) {
  Profile profile;
  return MakeRows(cells, ReadTableSettings(profile).perRow);
}
