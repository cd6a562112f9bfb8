#include <gtest/gtest.h>

#include "htmout/htmout.h"

namespace {

TEST(Builders, SimpleElements) {
  EXPECT_EQ(htmout::Html().ToString(), "<html\tlang=\"ja\"\t/>");
  EXPECT_TRUE(htmout::Title("").IsEmpty());
  Xml_E head("head");
  head.AddElement(htmout::Title(""));
  EXPECT_EQ(head.GetElementCount(), 0);
  EXPECT_EQ(htmout::Title("T").ToString(), "<title\t>T</title>");
  EXPECT_EQ(htmout::Div("d").ToString(), "<div\t>d</div>");
  EXPECT_EQ(htmout::DivCenter().ToString(), "<div\tstyle=\"text-align : center ;\"\t/>");
  EXPECT_EQ(htmout::DivRight().ToString(), "<div\tstyle=\"text-align : right ;\"\t/>");
  EXPECT_EQ(htmout::DivRight("r").ToString(), "<div\tstyle=\"text-align : right ;\"\t>r</div>");
  EXPECT_EQ(htmout::A("h", "").GetText(), " ");
  EXPECT_EQ(htmout::A("h", "t").ToString(), "<a\thref=\"h\"\t>t</a>");
}

TEST(Builders, ImagesLinksAndScripts) {
  EXPECT_EQ(htmout::Img("", "a.png", "x").ToString(), "<img\tsrc=\"a.png\"\talt=\"x\"\ttitle=\"x\"\t/>");
  EXPECT_EQ(htmout::Img("c", "a.png").ToString(), "<img\tclass=\"c\"\tsrc=\"a.png\"\t/>");
  EXPECT_EQ(htmout::Stylesheet("s.css").ToString(), "<link\trel=\"stylesheet\"\thref=\"s.css\"\t/>");
  EXPECT_EQ(htmout::ScriptSrc("j.js").ToString(),
            "<script\ttype=\"text/javascript\"\tsrc=\"j.js\"\t>\t</script>");
  EXPECT_EQ(htmout::Script("t", "").ToString(), "<script\ttype=\"t\"\t>\t</script>");
  EXPECT_EQ(htmout::ImageLink("c", "i.png", "f.png").ToString(),
            "<a\thref=\"f.png\"\t><img\tclass=\"c\"\tsrc=\"i.png\"\talt=\"f.png\"\ttitle=\"f.png\"\t/></a>");
  EXPECT_EQ(htmout::ImageLink("c", "", "f.png").GetText(), " ");
}

TEST(Builders, CellsAndCaptions) {
  const Xml_E caption = htmout::ImageWithCaption("c", "i.png", "f", "name");
  EXPECT_EQ(caption.GetName(), "");
  ASSERT_EQ(caption.GetElementCount(), 3);
  EXPECT_EQ(caption.GetElementAt(0).GetText(), "name");
  EXPECT_EQ(caption.GetElementAt(1).ToString(), "<br\t/>");
  EXPECT_EQ(caption.GetElementAt(2).ToString(), htmout::ImageLink("c", "i.png", "f").ToString());

  const Xml_E td = htmout::TdImageWithCaption("c", "i.png", "f", "name");
  EXPECT_EQ(td.GetAttribute("style"), "text-align : center ;");
  EXPECT_EQ(td.ElementsToString(), caption.ToString());

  const Xml_E pair = htmout::TdImageAndLink("c", "i.png", "f", "name");
  ASSERT_EQ(pair.GetElementCount(), 2);
  EXPECT_EQ(pair.GetElementAt(0).ElementsToString(), htmout::ImageLink("c", "i.png", "f").ToString());
  EXPECT_EQ(pair.GetElementAt(1).ToString(), "<td\t>\t\t<a\thref=\"f\"\t>name</a>\t</td>");

  const Xml_E noImage = htmout::TdImageAndLink("c", "", "f", "name").GetElementAt(0);
  EXPECT_EQ(noImage.ToString(), "<td\tstyle=\"text-align : center ;\"\t> </td>");
}

}  // namespace
