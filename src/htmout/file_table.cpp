#include "htmout/file_table.h"

#include "htmout/htmout.h"
#include "htmout/split_by_ext.h"
#include "htmout/table_cell.h"
#include "htmout/table_rows.h"
#include "htmout/table_settings.h"
#include "htmout/thumb_finder.h"
#include "htmout/xml_out.h"
#include "platform/feedback.h"
#include "platform/folders.h"
#include "platform/profile.h"

namespace {

// Times compared in whole 4-second steps, as file systems that store times
// in 2-second steps would otherwise make every copied thumbnail stale.
void RemoveStaleThumb(FileLookup& files, const std::string& file, const std::string& thumb) {
  if (!files.Exists(thumb))
    return;
  if (files.ModifiedTime(thumb) / 4 != files.ModifiedTime(file) / 4)
    files.Remove(thumb);
}

std::string MakeOtherTr(const std::vector<std::string>& paths, ThumbFinder& finder,
            const TableSettings& settings) {
  std::vector<std::string> cellsWithThumb;
  std::vector<std::string> withoutThumb;
  {
    platform::TitleProgress progress("HT_Make_other_tr ...", static_cast<unsigned>(paths.size()));
    for (const auto& entry : paths) {
      progress.Step();
      const std::string path = RemoveSeparator(entry);
      const std::string thumb = finder.ThumbPath(path);
      RemoveStaleThumb(finder.Files(), path, thumb);
      if (finder.FindThumb(thumb).empty())
        withoutThumb.push_back(path);
      else
        cellsWithThumb.push_back(MakeCell(finder, path, settings.tile));
    }
  }
  std::vector<std::string> cellsWithoutThumb;
  cellsWithoutThumb.reserve(withoutThumb.size());
  for (const auto& path : withoutThumb)
    cellsWithoutThumb.push_back(MakeCell(finder, path, settings.tile));
  return JoinLines(MakeRows(cellsWithThumb, settings.perRow)) +
     JoinLines(MakeRows(cellsWithoutThumb, settings.perRow));
}

}  // namespace

Xml_E MakeTable(std::vector<std::string>& paths, const std::string& prefix, ThumbFinder& finder,
        const TableSettings& settings) {
  v_Xml_Style margins;
  margins.Add("margin-left", "auto");
  margins.Add("margin-right", "auto");
  Xml_E table("table");
  table.AddAttribute("style", margins.ToString());

  auto [shown, rest] = HT_Split_by_ext(paths, prefix, "");
  paths = rest;
  table.SetText("\r\n" + MakeOtherTr(shown, finder, settings) + MakeOtherTr(rest, finder, settings));

  Xml_E block = htmout::DivCenter();
  block.AddElement(table);
  return block;
}

Xml_E HT_Make_table(std::vector<std::string>& paths, [[maybe_unused]] bool makeThumbs,
          const std::string& prefix) {
  Profile profile;
  ThumbFinder finder(ReadThumbSettings(profile));
  return MakeTable(paths, prefix, finder, ReadTableSettings(profile));
}

std::string HT_Make_other_tr(const std::vector<std::string>& paths, [[maybe_unused]] bool makeThumbs) {
  Profile profile;
  ThumbFinder finder(ReadThumbSettings(profile));
  return MakeOtherTr(paths, finder, ReadTableSettings(profile));
}
