#include "html/slide_show.h"

#include <gtest/gtest.h>

namespace html {
namespace {

TEST(SlideShow, HeadLoadsTheLibrariesFromTheBaseAndStartsThePlugIn) {
  const std::string startScript =
      "\t\r\n$(document).ready(\tfunction()\t{\t\r\n\t$('.bxslider').bxSlider(\t{\t\r\n"
      "\t\tmode      \t:\t'fade'  ,\t\r\n\t\tauto      \t:\ttrue    , \t\r\n"
      "\t\tcaption   \t:\ttrue    ,\t\r\n\t\tslideWidth\t:\t500     ,\t\r\n"
      "\t//\tcontrols  \t:\tfalse   \t\r\n\t\t}\t) ;\t\r\n\t}\t) ;\t\t\r\n";
  const Element head = SlideShowHead("https://localhost");
  EXPECT_EQ(head.Name(), "");
  EXPECT_EQ(head.ToString(),
            "<script\ttype=\"text/javascript\"\tsrc=\"https://localhost/_lib/js/jquery/jquery/1.9.1/jquery.min.js\"\t>"
            "\t</script>\t"
            "<script\ttype=\"text/javascript\"\t"
            "src=\"https://localhost/_lib/js/jquery/bxslider/4.1.2/jquery.bxslider.min.js\"\t>\t</script>\t"
            "<link\trel=\"stylesheet\"\thref=\"https://localhost/_lib/js/jquery/bxslider/4.1.2/jquery.bxslider.css\"\t/>\t"
            "<script\ttype=\"text/javascript\"\t>" +
                startScript + "</script>");
}

TEST(SlideShow, OneSlidePerImageInOrder) {
  const Element slider = SlideShow({"/s/b.png", "/s/a.jpg", "c.svg"});
  EXPECT_EQ(slider.ToString().rfind("<div\tclass=\"bxslider\"\t>", 0), 0u);
  ASSERT_EQ(slider.Elements().size(), 3u);
  EXPECT_EQ(slider.Elements()[0].ToString(),
            "<div\t><a\thref=\"b.png\"\t><img\tclass=\"slider\"\tsrc=\"b.png\"\talt=\"b.png\"\ttitle=\"b.png\"\t"
            "/></a></div>");
  EXPECT_NE(slider.Elements()[1].Text().find("src=\"a.jpg\""), std::string::npos);
  EXPECT_NE(slider.Elements()[2].Text().find("src=\"c.svg\""), std::string::npos);
}

}  // namespace
}  // namespace html
