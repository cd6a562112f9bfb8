#include "htmout/slider.h"

#include "htmout/css_rule.h"
#include "htmout/htmout.h"
#include "htmout/page_escape.h"
#include "platform/folders.h"
#include "platform/profile.h"

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

std::string LibraryBase() {
  Profile profile;
  return profile.GetStr("Preference", "http___2019_10", "https:") +
     profile.GetStr("Preference", "server_2019_10", "//localhost");
}

std::string SlideMarkup(const std::string& path) {
  const std::string name = GetFileName(path);
  const std::string href = HT_Escape_href(name);
  const std::string image =
    name.empty() ? std::string() : htmout::Img("slider", href, HT_Escape_text(name)).ToString();
  return htmout::A(href, image).ToString();
}

}  // namespace

Xml_E HT_Make_slider_head() {
  const std::string base = LibraryBase();
  Xml_E head("");
  head.AddElement(htmout::ScriptSrc(base + kJqueryPath));
  head.AddElement(htmout::ScriptSrc(base + kSliderScriptPath));
  head.AddElement(htmout::Stylesheet(base + kSliderStylePath));
  Xml_E start = htmout::ScriptSrc("");
  start.SetText(kStartScript);
  head.AddElement(start);
  return head;
}

Xml_E HT_Make_slider(const std::vector<std::string>& images) {
  Xml_E slider("div");
  slider.AddAttribute("class", "bxslider");
  for (const auto& path : images)
    slider.AddElement(htmout::Div(SlideMarkup(path)));
  return slider;
}

std::string HT_Style_slider() {
  Profile profile;
  const std::string width = profile.GetStr("Preference", "img_width_slider", "100%");
  return CssRule(".slider", CssWidthLine(width) + CssLine("border-style", "hidden"));
}
