#include <gtest/gtest.h>

#include "htmout/page_style.h"
#include "htmout/slider.h"
#include "page_fixture.h"

using page_test::SetPreference;

namespace {

const char* const kStartScript =
    "\t\r\n$(document).ready(\tfunction()\t{\t\r\n\t$('.bxslider').bxSlider(\t{\t\r\n"
    "\t\tmode      \t:\t'fade'  ,\t\r\n\t\tauto      \t:\ttrue    , \t\r\n"
    "\t\tcaption   \t:\ttrue    ,\t\r\n\t\tslideWidth\t:\t500     ,\t\r\n"
    "\t//\tcontrols  \t:\tfalse   \t\r\n\t\t}\t) ;\t\r\n\t}\t) ;\t\t\r\n";

std::string WidthRule(const std::string& selector, const std::string& width) {
  return "\t\t\t" + selector + "\t{\r\n\t\t\t\twidth\t\t\t:\t" + width + "\t;\r\n";
}

}  // namespace

TEST(SliderHead, LoadsTheLibrariesFromTheDefaultServer) {
  const Xml_E head = HT_Make_slider_head();
  EXPECT_EQ(head.GetName(), "");
  ASSERT_EQ(head.GetElementCount(), 4);
  EXPECT_EQ(head.GetElementAt(0).ToString(),
            "<script\ttype=\"text/javascript\"\tsrc=\"https://localhost/_lib/js/jquery/jquery/1.9.1/"
            "jquery.min.js\"\t>\t</script>");
  EXPECT_EQ(head.GetElementAt(1).GetAttribute("src"),
            "https://localhost/_lib/js/jquery/bxslider/4.1.2/jquery.bxslider.min.js");
  const Xml_E sheet = head.GetElementAt(2);
  EXPECT_EQ(sheet.GetName(), "link");
  EXPECT_EQ(sheet.GetAttribute("rel"), "stylesheet");
  EXPECT_EQ(sheet.GetAttribute("href"), "https://localhost/_lib/js/jquery/bxslider/4.1.2/jquery.bxslider.css");
  const Xml_E start = head.GetElementAt(3);
  EXPECT_EQ(start.GetAttributeCount(), 1);
  EXPECT_EQ(start.GetText(), kStartScript);
}

TEST(SliderHead, SchemeAndServerComeFromTheProfileUnseparated) {
  SetPreference("http___2019_10", "");
  EXPECT_EQ(HT_Make_slider_head().GetElementAt(0).GetAttribute("src"),
            "//localhost/_lib/js/jquery/jquery/1.9.1/jquery.min.js");
  SetPreference("http___2019_10", "http:");
  SetPreference("server_2019_10", "//127.0.0.1:8080");
  EXPECT_EQ(HT_Make_slider_head().GetElementAt(2).GetAttribute("href"),
            "http://127.0.0.1:8080/_lib/js/jquery/bxslider/4.1.2/jquery.bxslider.css");
}

TEST(Slider, OneSlidePerImageInOrder) {
  const Xml_E slider = HT_Make_slider({"/s/b.png", "/s/a.jpg", "c.svg"});
  EXPECT_EQ(slider.GetName(), "div");
  EXPECT_EQ(slider.GetAttribute("class"), "bxslider");
  ASSERT_EQ(slider.GetElementCount(), 3);
  EXPECT_EQ(slider.GetElementAt(0).ToString(),
            "<div\t><a\thref=\"b.png\"\t><img\tclass=\"slider\"\tsrc=\"b.png\"\talt=\"b.png\"\ttitle=\"b.png\"\t"
            "/></a></div>");
  EXPECT_NE(slider.GetElementAt(1).GetText().find("src=\"a.jpg\""), std::string::npos);
  EXPECT_NE(slider.GetElementAt(2).GetText().find("src=\"c.svg\""), std::string::npos);
}

TEST(PageStyle, ImageBordersSliderAndClassWidthsFollowTheProfile) {
  const std::string sliderRest = "\t\t\t\tborder-style\t:\thidden\t;\r\n\t\t\t\t}\r\n";
  EXPECT_EQ(HT_Style_slider(), WidthRule(".slider", "100%") + sliderRest);
  SetPreference("img_width_slider", "640px");
  SetPreference("img_width_data_br", "250px");
  EXPECT_EQ(HT_Make_style(),
            "\r\n\t\t\timg\t{\r\n\t\t\t\tborder-width\t:\tthin\t;\r\n\t\t\t\tborder-style\t:\tsolid\t;\r\n"
            "\t\t\t\t}\r\n" +
                WidthRule(".slider", "640px") + sliderRest + WidthRule(".n_view", "600px") + "\t\t\t\t}\r\n" +
                WidthRule(".data_3d", "600px") + "\t\t\t\t}\r\n" + WidthRule(".data_br", "250px") +
                "\t\t\t\t}\r\n" + WidthRule(".data_ia", "100px") + "\t\t\t\t}\r\n" +
                WidthRule(".index", "200px") + "\t\t\t\t}\r\n");
}
