#include "html/slide_show.h"

#include "html/escape.h"
#include "platform/text/path_text.h"

namespace html {
namespace {

constexpr const char* kJqueryPath = "/_lib/js/jquery/jquery/1.9.1/jquery.min.js";
constexpr const char* kSliderScriptPath = "/_lib/js/jquery/bxslider/4.1.2/jquery.bxslider.min.js";
constexpr const char* kSliderStylePath = "/_lib/js/jquery/bxslider/4.1.2/jquery.bxslider.css";

constexpr const char* kStartScript =
    "\t\r\n$(document).ready(\tfunction()\t{\t\r\n"
    "\t$('.bxslider').bxSlider(\t{\t\r\n"
    "\t\tmode      \t:\t'fade'  ,\t\r\n"
    "\t\tauto      \t:\ttrue    , \t\r\n"
    "\t\tcaption   \t:\ttrue    ,\t\r\n"
    "\t\tslideWidth\t:\t500     ,\t\r\n"
    "\t//\tcontrols  \t:\tfalse   \t\r\n"
    "\t\t}\t) ;\t\r\n"
    "\t}\t) ;\t\t\r\n";

std::string SlideMarkup(const std::string& path) {
  const std::string name = platform::GetFileName(path);
  const std::string href = EscapeAddress(name);
  const std::string image = name.empty() ? std::string() : Img("slider", href, EscapeText(name)).ToString();
  return A(href, image).ToString();
}

}  // namespace

Element SlideShowHead(const std::string& libraryBase) {
  Element head;
  head.AddElement(ScriptSrc(libraryBase + kJqueryPath));
  head.AddElement(ScriptSrc(libraryBase + kSliderScriptPath));
  head.AddElement(Stylesheet(libraryBase + kSliderStylePath));
  Element start = ScriptSrc("");
  start.SetText(kStartScript);
  head.AddElement(std::move(start));
  return head;
}

Element SlideShow(const std::vector<std::string>& images) {
  Element slider("div", {{"class", "bxslider"}});
  for (const std::string& path : images) slider.AddElement(Div(SlideMarkup(path)));
  return slider;
}

}  // namespace html
