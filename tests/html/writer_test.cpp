#include "html/writer.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/feedback.h"
#include "platform/folders.h"
#include "support/debug_log_reader.h"
#include "support/manual_clock.h"
#include "support/sandbox.h"

namespace html {
namespace {

std::string Saved(const Element& root, const std::string& name) {
  const std::string path = sandbox::Path(name);
  EXPECT_TRUE(SavePage(root, path));
  return sandbox::ReadFile(path);
}

// The fall-back copy that a failed save leaves in the temporary work folder.
std::string FallbackCopy(const std::string& path) {
  std::string folder = GetTempWorkFolder();
  if (folder.back() != '/') folder += '/';
  return sandbox::ReadFile(folder + ToSafeFileName(path));
}

class TitleUi : public platform::UserInterface {
 public:
  TitleUi() { platform::InstallUserInterface(this); }
  ~TitleUi() override { platform::InstallUserInterface(nullptr); }
  platform::Answer ShowMessageBox(const std::string&, platform::BoxStyle) override { return platform::Answer::Ok; }
  void ShowProgressTitle(const std::string& title) override { titles.push_back(title); }
  void PumpMessages() override {}

  std::vector<std::string> titles;
};

TEST(ElementText, QuotingSelfClosingAndText) {
  Element img("img");
  img.AddAttribute("alt", "say \"hi\"");
  img.AddAttribute("title", "it's");
  img.AddAttribute("data", "both \" and '");
  EXPECT_EQ(ElementText(img, 0), "<img\talt='say \"hi\"'\ttitle=\"it's\"\tdata='both \" and ''\t/>\r\n");
  EXPECT_EQ(ElementText(Element("br"), 2), "\t\t<br\t/>\r\n");
  EXPECT_EQ(ElementText(Div("<&>"), 0), "<div\t><&></div>\r\n");
  Element nul("b");
  nul.SetText(std::string("ab\0cd", 5));
  EXPECT_EQ(ElementText(nul, 0), "<b\t>ab</b>\r\n");
}

TEST(ElementText, IndentationStopsAtThirteenTabs) {
  Element parent("p");
  parent.AddElement(Title("x"));
  const std::string tabs(13, '\t');
  EXPECT_EQ(ElementText(parent, 20), tabs + "<p\t>\r\n" + tabs + "<title\t>x</title>\r\n" + tabs + "</p>\r\n");
  EXPECT_EQ(ElementText(Element("i"), -1), "<i\t/>\r\n");
}

TEST(ElementText, Comments) {
  Element comment;
  comment.SetComment("x");
  EXPECT_EQ(ElementText(comment, 1), "\t<!--\tx\t-->\r\n");

  Element inner;
  inner.SetComment("y");
  Element withChildren;
  withChildren.SetComment("x");
  withChildren.AddElement(Element("br"));
  withChildren.AddElement(inner);
  Element parent("div");
  parent.AddElement(withChildren);
  parent.AddElement(Element("hr"));
  EXPECT_EQ(ElementText(parent, 0),
            "<div\t>\r\n\t<!--\tx\t-->\r\n\t<!--\r\n\t\t<br\t/>\r\n\t\t<!--\ty\t-->\r\n\t\t-->\r\n\t<hr\t/>\r\n"
            "\t</div>\r\n");
}

TEST(ElementText, FragmentsWriteNothing) {
  EXPECT_EQ(ElementText(Element(), 0), "");
  Element fragment;
  fragment.SetText("t");
  EXPECT_EQ(ElementText(fragment, 3), "");
}

TEST(SavePage, FiveLineExample) {
  Element head("head");
  head.AddElement(Title("T"));
  Element html = Html();
  html.AddElement(head);
  EXPECT_EQ(Saved(html, "five.htm"),
            "<!DOCTYPE html>\r\n<html\tlang=\"ja\"\t>\r\n\t<head\t>\r\n\t\t<title\t>T</title>\r\n\t\t</head>\r\n"
            "\t</html>\r\n");
  EXPECT_EQ(Saved(Element(), "empty.htm"), "<!DOCTYPE html>\r\n");
}

TEST(SavePage, DepthTwentyIsIndentedWithThirteenTabs) {
  Element chain("e20");
  for (int depth = 19; depth >= 0; --depth) {
    Element parent("e" + std::to_string(depth));
    parent.AddElement(std::move(chain));
    chain = std::move(parent);
  }
  std::string expected = "<!DOCTYPE html>\r\n";
  for (int depth = 0; depth < 20; ++depth)
    expected += std::string(std::min(depth, 13), '\t') + "<e" + std::to_string(depth) + "\t>\r\n";
  expected += std::string(13, '\t') + "<e20\t/>\r\n";
  for (int depth = 19; depth >= 0; --depth)
    expected += std::string(std::min(depth + 1, 13), '\t') + "</e" + std::to_string(depth) + ">\r\n";
  EXPECT_EQ(Saved(chain, "deep.htm"), expected);
}

TEST(SavePage, WritesUtf8WithoutByteOrderMark) {
  EXPECT_EQ(Saved(Div("写真"), "utf8.htm"), "<!DOCTYPE html>\r\n<div\t>写真</div>\r\n");
  const std::string path = sandbox::Path("text.txt");
  EXPECT_TRUE(WriteTextFile(path, "a\r\nß"));
  EXPECT_EQ(sandbox::ReadFile(path), "a\r\nß");
}

TEST(SavePage, ALargePageGoesOutWholeAndShowsProgress) {
  ManualClock clock;
  TitleUi ui;
  const std::string rows(700000, 'r');
  Element table("table");
  table.SetText(rows);
  Element page("body");
  for (int i = 0; i < 30000; ++i) page.AddElement(Element("br"));
  page.AddElement(table);
  std::string expected = "<!DOCTYPE html>\r\n<body\t>\r\n";
  for (int i = 0; i < 30000; ++i) expected += "\t<br\t/>\r\n";
  expected += "\t<table\t>" + rows + "</table>\r\n\t</body>\r\n";
  EXPECT_EQ(Saved(page, "large.htm"), expected);
  ASSERT_FALSE(ui.titles.empty());
  EXPECT_EQ(ui.titles.front().rfind("Xml_Out::CreateElement ...  ", 0), 0u) << ui.titles.front();
}

TEST(SavePage, UnwritableTargetLeavesACopyInTheWorkFolder) {
  ManualClock clock;  // the open attempts wait without sleeping
  const std::string path = sandbox::Path("missing folder/page.htm");
  EXPECT_FALSE(SavePage(Div("d"), path));
  EXPECT_EQ(FallbackCopy(path), "<!DOCTYPE html>\r\n<div\t>d</div>\r\n");
  EXPECT_NE(DebugLogText().find("Can't open wb  " + path), std::string::npos);
}

TEST(SavePage, FailedWritingCountsAsFailure) {
  // The device opens but takes no bytes.
  EXPECT_FALSE(SavePage(Div("d"), "/dev/full"));
  EXPECT_NE(DebugLogText().find("Can't write wb  /dev/full"), std::string::npos);
  EXPECT_EQ(FallbackCopy("/dev/full"), "<!DOCTYPE html>\r\n<div\t>d</div>\r\n");
  EXPECT_TRUE(std::filesystem::is_character_file("/dev/full"));   // a cut page goes, a device stays
}

TEST(ToSafeFileName, MapsEveryUnsafeCharacter) {
  EXPECT_EQ(ToSafeFileName("C:\\Web\\a b.htm"), "C__Web_a_b.htm");
  EXPECT_EQ(ToSafeFileName("\t\n\r\",;|"), ".......");
  EXPECT_EQ(ToSafeFileName(" /:?\\#%*<>"), "_____--x()");
  EXPECT_EQ(ToSafeFileName("/tmp/ä-x.htm"), "_tmp_ä-x.htm");
}

}  // namespace
}  // namespace html
