#include "htmout/index_page.h"

#include "htmout/banner.h"
#include "htmout/file_table.h"
#include "htmout/htmout.h"
#include "htmout/link_block.h"
#include "htmout/page_escape.h"
#include "htmout/page_footer.h"
#include "htmout/page_lists.h"
#include "htmout/page_style.h"
#include "htmout/slider.h"
#include "htmout/table_settings.h"
#include "htmout/thumb_finder.h"
#include "htmout/xml_out.h"
#include "platform/file_services.h"
#include "platform/folders.h"
#include "platform/profile.h"
#include "upfile/upload_settings.h"

namespace {

Xml_E Element(const char* name, std::initializer_list<std::pair<const char*, const char*>> attributes) {
  Xml_E element(name);
  for (const auto& [attribute, value] : attributes)
    element.AddAttribute(attribute, value);
  return element;
}

Xml_E Comment(const std::string& text) {
  Xml_E comment("");
  comment.SetComment(text);
  return comment;
}

Xml_E MakeHead(const std::string& title, const Xml_E& sliderHead) {
  Xml_E head("head");
  head.AddElement(Element("meta", {{"charset", "UTF-8"}}));
  head.AddElement(Element("meta", {{"name", "viewport"}, {"content", "width=device-width,initial-scale=1.0"}}));
  head.AddElement(htmout::Title(title));
  head.AddElement(sliderHead);
  head.AddElement(htmout::Banner());
  head.AddElement(Comment(BrowserAddress()));
  Xml_E style("style");
  style.SetText(HT_Make_style());
  head.AddElement(style);
  return head;
}

// Large centred views of the images the image table has left over.
Xml_E MakeLargeViews(const std::vector<std::string>& images, ThumbFinder& finder) {
  v_Xml_Style centred;
  centred.Add("text-align", "center");
  Xml_E views("");
  for (const auto& path : images) {
    const std::string url = finder.ThumbUrl(path, "");
    if (url.empty())
      continue;
    const std::string name = GetFileName(path);
    Xml_E view("div");
    view.AddAttribute("style", centred.ToString());
    view.AddElement(htmout::ImageWithCaption("data_3d", HT_Escape_href(url), HT_Escape_href(name),
                        HT_Escape_text(name)));
    views.AddElement(view);
  }
  return views;
}

// A rule and the table, when there is anything to show.
void AddTableSection(Xml_E& body, std::vector<std::string> paths, ThumbFinder& finder,
          const TableSettings& settings) {
  if (paths.empty())
    return;
  body.AddElement(Xml_E("hr"));
  body.AddElement(MakeTable(paths, "", finder, settings));
}

Xml_E MakeBody(PageLists& lists, const Xml_E& slider) {
  Profile profile;
  ThumbFinder finder(ReadThumbSettings(profile));
  const TableSettings settings = ReadTableSettings(profile);

  Xml_E body("body");
  body.AddElement(htmout::Div(HT_Link_block_text()));
  body.AddElement(slider);
  body.AddElement(MakeTable(lists.images, "", finder, settings));
  body.AddElement(MakeLargeViews(lists.images, finder));
  AddTableSection(body, lists.html, finder, settings);
  AddTableSection(body, lists.rest, finder, settings);
  body.AddElement(HT_Make_footer());
  body.AddElement(Comment("EH_mark"));
  return body;
}

}  // namespace

std::string HT_Page_path(const std::string& folder, const std::string& pageName) {
  return AddSeparator(folder) + pageName;
}

bool HT_Make_index(const std::string& folder, const std::string& pageName) {
  const std::string pagePath = HT_Page_path(folder, pageName);
  PageLists lists = SortListing(ListPageFolder(folder));
  Xml_E sliderHead("");
  Xml_E slider("");
  if (!lists.images.empty()) {
    sliderHead = HT_Make_slider_head();
    slider = HT_Make_slider(lists.images);
  }
  Xml_E root = htmout::Html();
  root.AddElement(MakeHead(HT_Escape_text(GetFileStem(pagePath)), sliderHead));
  root.AddElement(MakeBody(lists, slider));
  if (FileExists(pagePath))
    BackupFile(pagePath, true);
  return htmout::SaveHtml(root, pagePath);
}
