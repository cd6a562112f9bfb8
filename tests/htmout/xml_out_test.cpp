#include "htmout/xml_out.h"

#include <gtest/gtest.h>

#include "htmout/htmout.h"

namespace {

using Lines = std::vector<std::string>;

Xml_E Named(const char* name, const char* text = "") {
  Xml_E element(name);
  element.SetText(text);
  return element;
}

TEST(XmlOut, FiveLineExample) {
  Xml_E title = Named("title", "T");
  Xml_E head("head");
  head.AddElement(title);
  Xml_E html = htmout::Html();
  html.AddElement(head);
  EXPECT_EQ(Xml_Out::CreateElement(html, 0),
            (Lines{"<html\tlang=\"ja\"\t>", "\t<head\t>", "\t\t<title\t>T</title>", "\t\t</head>", "\t</html>"}));
}

TEST(XmlOut, QuotingSelfClosingAndText) {
  Xml_E img("img");
  img.AddAttribute("alt", "say \"hi\"");
  img.AddAttribute("title", "it's");
  img.AddAttribute("data", "both \" and '");
  EXPECT_EQ(Xml_Out::CreateElement(img, 0),
            (Lines{"<img\talt='say \"hi\"'\ttitle=\"it's\"\tdata='both \" and ''\t/>"}));
  EXPECT_EQ(Xml_Out::CreateElement(Named("br"), 2), (Lines{"\t\t<br\t/>"}));
  EXPECT_EQ(Xml_Out::CreateElement(Named("b", "<&>"), 0), (Lines{"<b\t><&></b>"}));
  Xml_E nul("b");
  nul.SetText(std::string("ab\0cd", 5));
  EXPECT_EQ(Xml_Out::CreateElement(nul, 0), (Lines{"<b\t>ab</b>"}));
}

TEST(XmlOut, IndentationStopsAtThirteenTabs) {
  Xml_E deepest = Named("i", "x");
  Xml_E parent("p");
  parent.AddElement(deepest);
  const Lines lines = Xml_Out::CreateElement(parent, 20);
  const std::string tabs(13, '\t');
  EXPECT_EQ(lines, (Lines{tabs + "<p\t>", tabs + "<i\t>x</i>", tabs + "</p>"}));
  EXPECT_EQ(Xml_Out::CreateElement(Named("i"), -1), (Lines{"<i\t/>"}));
}

TEST(XmlOut, NestedDepthTwentyTree) {
  Xml_E chain = Named("e20", "leaf");
  for (int depth = 19; depth >= 0; --depth) {
    Xml_E parent(("e" + std::to_string(depth)).c_str());
    parent.AddElement(std::move(chain));
    chain = std::move(parent);
  }
  const Lines lines = Xml_Out::CreateElement(chain, 0);
  ASSERT_EQ(lines.size(), 41u);
  EXPECT_EQ(lines[20], std::string(13, '\t') + "<e20\t>leaf</e20>");
  EXPECT_EQ(lines[12], std::string(12, '\t') + "<e12\t>");
  EXPECT_EQ(lines[21], std::string(13, '\t') + "</e19>");
  EXPECT_EQ(lines[40], "\t</e0>");
}

TEST(XmlOut, Comments) {
  Xml_E comment;
  comment.SetComment("x");
  EXPECT_EQ(Xml_Out::CreateElement(comment, 1), (Lines{"\t<!--\tx\t-->"}));

  Xml_E inner;
  inner.SetComment("y");
  Xml_E withChildren;
  withChildren.SetComment("x");
  withChildren.AddElement(Named("br"));
  withChildren.AddElement(inner);
  EXPECT_EQ(Xml_Out::CreateElement(withChildren, 1),
            (Lines{"\t<!--\tx\t-->\r\n\t<!--\r\n\t\t<br\t/>\r\n\t\t<!--\ty\t-->\r\n\t\t-->"}));

  Xml_E parent("div");
  parent.AddElement(withChildren);
  parent.AddElement(Named("hr"));
  const Lines lines = Xml_Out::CreateElement(parent, 0);
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[1], "\t<!--\tx\t-->\r\n\t<!--\r\n\t\t<br\t/>\r\n\t\t<!--\ty\t-->\r\n\t\t-->");
  EXPECT_EQ(lines[2], "\t<hr\t/>");
}

TEST(XmlOut, FragmentsWriteNothing) {
  EXPECT_TRUE(Xml_Out::CreateElement(Xml_E(), 0).empty());
  Xml_E fragment;
  fragment.SetText("t");
  EXPECT_TRUE(Xml_Out::CreateElement(fragment, 3).empty());
}

TEST(XmlOut, JoinLines) {
  EXPECT_EQ(JoinLines({}), "\r\n");
  EXPECT_EQ(JoinLines({""}), "\r\n");
  EXPECT_EQ(JoinLines({"a", "b"}), "a\r\nb\r\n");
}

TEST(XmlOut, SafeFileNames) {
  EXPECT_EQ(ToSafeFileName("C:\\Web\\a b.htm"), "C__Web_a_b.htm");
  EXPECT_EQ(ToSafeFileName("\t\n\r\",;|"), ".......");
  EXPECT_EQ(ToSafeFileName(" /:?\\#%*<>"), "_____--x()");
  EXPECT_EQ(ToSafeFileName("/tmp/ä-x.htm"), "_tmp_ä-x.htm");
}

}  // namespace
