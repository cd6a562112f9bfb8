#include "html/index_page.h"

#include <iomanip>
#include <sstream>

#include "html/escape.h"
#include "html/file_tables.h"
#include "html/slide_show.h"
#include "html/writer.h"
#include "platform/text/path_text.h"

namespace html {
namespace {

// How pages write a moment: 2021/07/07 16:51:38.
constexpr const char* kPageTimeFormat = "%Y/%m/%d %H:%M:%S";
// Source time stamp of the generator, as its compiler wrote it.
constexpr const char* kGeneratorStamp = "Wed Jul  7 16:51:38 2021";
constexpr const char* kContactHost = "localhost";
constexpr const char* kContactMail = "webmaster@localhost";

std::string FormatTime(const std::tm& time, const char* format) {
  std::ostringstream out;
  out << std::put_time(&time, format);
  return out.str();
}

// A time text read with one format and written with another; empty when it does not parse.
std::string ReformatTime(const std::string& text, const char* readFormat, const char* writeFormat) {
  std::tm time{};
  std::istringstream in(text);
  in >> std::get_time(&time, readFormat);
  return in.fail() ? std::string() : FormatTime(time, writeFormat);
}

std::string TimeText(const PageInput& input) {
  return input.time ? FormatTime(*input.time, kPageTimeFormat) : std::string();
}

bool IsImage(const std::string& path) {
  const std::string name = platform::GetFileName(path);
  const size_t dot = name.rfind('.');
  if (dot == std::string::npos) return false;
  const std::string extension = platform::LowerAscii(name.substr(dot + 1));
  return extension == "png" || extension == "jpg" || extension == "bmp" || extension == "svg";
}

Element Comment(const std::string& text) {
  Element comment;
  comment.SetComment(text);
  return comment;
}

// The generator, the program's build and path, the time of writing and a contact.
Element Banner(const PageInput& input) {
  return Comment("\r\nHTML Exporter\t1.02\t" + ReformatTime(kGeneratorStamp, "%a %b %d %H:%M:%S %Y", kPageTimeFormat) +
                 "\thtmout\r\n" + "EXE          \t    \t" + ReformatTime(__DATE__, "%b %d %Y", "%Y/%m/%d") +
                 " 16:54:33\t" + input.programPath + "\r\n" + "Time         \t    \t" + TimeText(input) + "\r\n" +
                 kContactHost + " \t    \t" + kContactMail + "\r\n");
}

// A style-sheet rule in the page's own layout.
std::string CssRule(const std::string& selector, const std::string& lines) {
  return "\t\t\t" + selector + "\t{\r\n" + lines + "\t\t\t\t}\r\n";
}

std::string CssLine(const std::string& name, const std::string& value) {
  return "\t\t\t\t" + name + "\t:\t" + value + "\t;\r\n";
}

// Thin solid image borders, the slide-show rule and one width per image class.
std::string StyleSheetText(const PageInput& input) {
  std::string sheet = "\r\n";
  sheet += CssRule("img", CssLine("border-width", "thin") + CssLine("border-style", "solid"));
  sheet += CssRule(".slider", CssLine("width\t\t", input.slideWidth) + CssLine("border-style", "hidden"));
  for (const Style& width : input.imageWidths) sheet += CssRule("." + width.name, CssLine("width\t\t", width.value));
  return sheet;
}

Element Head(const PageInput& input, bool withSlideShow) {
  Element head("head");
  head.AddElement(Element("meta", {{"charset", "UTF-8"}}));
  head.AddElement(Element("meta", {{"name", "viewport"}, {"content", "width=device-width,initial-scale=1.0"}}));
  head.AddElement(Title(EscapeText(platform::GetFileStem(input.pageName))));
  if (withSlideShow) head.AddElement(SlideShowHead(input.libraryScheme + input.libraryServer));
  head.AddElement(Banner(input));
  head.AddElement(Comment(input.browserAddress));
  Element style("style");
  style.SetText(StyleSheetText(input));
  head.AddElement(std::move(style));
  return head;
}

Element Body(const PageInput& input, const PageLists& lists) {
  Element body("body");
  body.AddElement(Div(input.linkBlock));
  if (!lists.images.empty()) body.AddElement(SlideShow(lists.images));
  body.AddElement(FileTable(lists.images, input.thumbnails, input.table));
  for (const std::vector<std::string>* entries : {&lists.html, &lists.rest}) {
    if (entries->empty()) continue;
    body.AddElement(Element("hr"));
    body.AddElement(FileTable(*entries, input.thumbnails, input.table));
  }
  body.AddElement(Element("hr"));
  body.AddElement(DivRight(TimeText(input)));
  body.AddElement(Comment("EH_mark"));
  return body;
}

}  // namespace

PageLists SortListing(const std::vector<std::string>& listing) {
  PageLists lists;
  std::vector<std::string> htm;
  for (const std::string& path : listing) {
    if (IsImage(path)) {
      lists.images.push_back(path);
      continue;
    }
    const std::string name = platform::LowerAscii(platform::GetFileName(path));
    if (name.ends_with("html"))
      lists.html.push_back(path);
    else if (name.ends_with("htm"))
      htm.push_back(path);
    if (!name.ends_with(".html") && !name.ends_with(".htm")) lists.rest.push_back(path);
  }
  lists.html.insert(lists.html.end(), htm.begin(), htm.end());
  return lists;
}

Element BuildIndexPage(const PageInput& input) {
  const PageLists lists = SortListing(input.listing);
  Element root = Html();
  root.AddElement(Head(input, !lists.images.empty()));
  root.AddElement(Body(input, lists));
  return root;
}

std::string DefaultLinkBlock() {
  Element hostName;
  Element script = ScriptSrc("");
  script.SetText("\tdocument.write (location.hostname) ;\t");
  hostName.AddElement(std::move(script));
  Element block("div", {{"style", StyleText({{"text-align", "center"}, {"font-size", "300%"}})}});
  block.AddElement(A("/", Img("", "/favicon.ico", "favicon").ToString()));
  block.AddElement(A("/", hostName.ToString()));
  block.AddElement(Element("hr"));
  return ElementText(block, 0);
}

}  // namespace html
