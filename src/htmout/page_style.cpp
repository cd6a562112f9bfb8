#include "htmout/page_style.h"

#include <utility>

#include "htmout/css_rule.h"
#include "htmout/slider.h"
#include "platform/profile.h"

namespace {

// Class and default width; "n_view" and "index" are not used by the index
// page but kept for pages that share the sheet.
constexpr std::pair<const char*, const char*> kImageClasses[] = {
  {"n_view", "600px"}, {"data_3d", "600px"}, {"data_br", "300px"},
  {"data_ia", "100px"}, {"index", "200px"}};

}  // namespace

std::string HT_Make_style() {
  std::string sheet = "\r\n";
  sheet += CssRule("img", CssLine("border-width", "thin") + CssLine("border-style", "solid"));
  sheet += HT_Style_slider();
  Profile profile;
  for (const auto& [name, width] : kImageClasses) {
    const std::string value = profile.GetStr("Preference", std::string("img_width_") + name, width);
    sheet += CssRule(std::string(".") + name, CssWidthLine(value));
  }
  return sheet;
}
