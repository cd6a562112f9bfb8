#include "htmout/table_cell.h"

#include "htmout/htmout.h"
#include "htmout/page_escape.h"
#include "htmout/table_settings.h"
#include "htmout/thumb_finder.h"
#include "platform/folders.h"
#include "platform/profile.h"

std::string MakeCell(ThumbFinder& finder, const std::string& path, bool tile) {
  const std::string src = HT_Escape_href(finder.ThumbUrl(path, ""));
  const std::string name = GetFileName(path);
  const std::string href = HT_Escape_href(name);
  const std::string text = HT_Escape_text(name);
  if (tile)
    return htmout::TdImageWithCaption("data_br", src, href, text).ToString();
  return htmout::TdImageAndLink("data_ia", src, href, text).ToString();
}

std::string HT_Make_other_td(const std::string& path) {
  Profile profile;
  ThumbFinder finder(ReadThumbSettings(profile));
  return MakeCell(finder, path, ReadTableSettings(profile).tile);
}
