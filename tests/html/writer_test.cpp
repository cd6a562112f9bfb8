#include "html/writer.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/feedback.h"
#include "platform/folders.h"
#include "support/debug_log_reader.h"
#include "support/manual_clock.h"
#include "support/recording_ui.h"
#include "support/sandbox.h"

namespace html {
namespace {

TEST(ElementText, QuotesNulAndIndentationOfNoneToThirteenTabs) {
  Element quoted("b");
  quoted.AddAttribute("alt", "say \"hi\"");
  quoted.AddAttribute("title", "it's");
  quoted.SetText(std::string("ab\0cd", 5));
  Element parent("p");
  parent.AddElement(Element("br"));
  const std::string tabs(13, '\t');
  for (const auto& [element, depth, text] : std::vector<std::tuple<Element, int, std::string>>{
           {quoted, 0, "<b\talt='say \"hi\"'\ttitle=\"it's\"\t>ab</b>\r\n"},
           {Element("i"), -1, "<i\t/>\r\n"},
           {parent, 20, tabs + "<p\t>\r\n" + tabs + "<br\t/>\r\n" + tabs + "</p>\r\n"}}) {
    EXPECT_EQ(ElementText(element, depth), text) << depth;
  }
}

TEST(SavePage, ALargePageGoesOutWholeAndShowsProgress) {
  ManualClock clock;
  RecordingUi ui;
  const std::string path = sandbox::Path("large.htm");
  const std::string rows(700000, 'r');
  Element table("table");
  table.SetText(rows);
  Element page("body");
  for (int i = 0; i < 30000; ++i) page.AddElement(Element("br"));
  page.AddElement(table);
  std::string expected = "<!DOCTYPE html>\r\n<body\t>\r\n";
  for (int i = 0; i < 30000; ++i) expected += "\t<br\t/>\r\n";
  expected += "\t<table\t>" + rows + "</table>\r\n\t</body>\r\n";
  EXPECT_TRUE(SavePage(page, path));
  EXPECT_EQ(sandbox::ReadFile(path), expected);
  ASSERT_FALSE(ui.titles.empty());
  EXPECT_EQ(ui.titles.front().rfind("Xml_Out::CreateElement ...  ", 0), 0u) << ui.titles.front();
}

// A target that cannot be opened, or (a device) takes no bytes: the page goes
// to the temporary work folder instead; a device is never removed.
TEST(SavePage, AFailedSaveLeavesACopyInTheWorkFolder) {
  ManualClock clock;  // the open attempts wait without sleeping
  for (const auto& [path, logged] : std::vector<std::pair<std::string, std::string>>{
           {sandbox::Path("missing folder/page.htm"), "Can't open wb  "}, {"/dev/full", "Can't write wb  "}}) {
    EXPECT_FALSE(SavePage(Div("d"), path));
    EXPECT_EQ(sandbox::ReadFile(platform::AddSeparator(platform::GetTempWorkFolder()) + ToSafeFileName(path)),
              "<!DOCTYPE html>\r\n<div\t>d</div>\r\n");
    EXPECT_NE(DebugLogText().find(logged + path), std::string::npos) << path;
  }
  EXPECT_TRUE(std::filesystem::is_character_file("/dev/full"));
}

TEST(ToSafeFileName, MapsEveryUnsafeCharacter) {
  EXPECT_EQ(ToSafeFileName("\t\n\r\",;|"), ".......");
  EXPECT_EQ(ToSafeFileName(" /:?\\#%*<>"), "_____--x()");
  EXPECT_EQ(ToSafeFileName("/tmp/ä-x.htm"), "_tmp_ä-x.htm");
}

}  // namespace
}  // namespace html
