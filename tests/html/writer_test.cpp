#include "html/writer.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>

#include "platform/fs/file_status.h"
#include "suite/folders.h"
#include "support/debug_log_reader.h"
#include "support/manual_clock.h"
#include "support/recording_ui.h"
#include "support/sandbox.h"

namespace html {

// A value with a double quote gets apostrophes, text ends at a NUL, indentation
// is of none to thirteen tabs, a comment's body never holds two hyphens.
TEST(ElementText, QuotesNulIndentationAndComments) {
  Element quoted("b", {{"alt", "say \"hi\""}, {"title", "it's"}});
  quoted.SetText(std::string("ab\0cd", 5));
  Element parent("p");
  parent.AddElement(Element("br"));
  Element comment;
  comment.SetComment("a--b---c----");
  comment.AddElement(Element("i"));
  const std::string tabs(13, '\t');
  for (const auto& [element, depth, text] : std::vector<std::tuple<Element, int, std::string>>{
           {quoted, 0, "<b\talt='say \"hi\"'\ttitle=\"it's\"\t>ab</b>\r\n"},
           {Element("i"), -1, "<i\t/>\r\n"},
           {parent, 20, tabs + "<p\t>\r\n" + tabs + "<br\t/>\r\n" + tabs + "</p>\r\n"},
           {comment, 1,
            "\t<!--\ta-\tb-\t-c-\t-\t\t-->\r\n\t<!--\r\n\t\t<i\t/>\r\n\t\t-->\r\n"}}) {
    EXPECT_EQ(ElementText(element, depth), text) << depth;
  }
}

// Incomplete properties go; white space of any kind goes at both ends.
TEST(StyleText, SkipsIncompletePropertiesAndTrims) {
  const std::string spaces = "\t\n\v\f\r \u0085\u00A0\u1680\u2000\u200A\u2028\u2029\u202F\u205F\u3000";
  EXPECT_EQ(StyleText({{spaces + "w", "3px"}, {"a", ""}, {"", "2"}}), "w : 3px ;");
  EXPECT_EQ(StyleText({{"\b", "1"}}), "\b : 1 ;");
  EXPECT_EQ(StyleText({{"\u1FFF", "1"}}), "\u1FFF : 1 ;");
}

// A page that cannot be opened goes whole to the work folder, however many
// chunks it takes, with progress in the title; one that cannot be written
// whole is removed, and so is its copy there.
TEST(SavePage, AFailedSaveLeavesAWholeCopyInTheWorkFolderOrNone) {
  ManualClock clock;  // the open attempts wait without sleeping
  RecordingUi ui;
  Element page("body");
  std::string expected = "<!DOCTYPE html>\r\n<body\t>\r\n";
  for (int i = 0; i < 30000; ++i, expected += "\t<br\t/>\r\n") page.AddElement(Element("br"));
  page.AddElement(Div(std::string(700000, 'r')));
  expected += "\t<div\t>" + std::string(700000, 'r') + "</div>\r\n\t</body>\r\n";
  const std::string work = platform::AddSeparator(suite::GetTempWorkFolder());
  const std::string unopened = sandbox::Path("missing folder/page.htm");
  EXPECT_FALSE(SavePage(page, unopened));
  EXPECT_EQ(sandbox::ReadFile(work + ToSafeFileName(unopened)), expected);
  EXPECT_NE(DebugLogText().find("Can't open wb  " + unopened), std::string::npos);
  EXPECT_EQ(ui.titles.at(0).rfind("Xml_Out::CreateElement ...  ", 0), 0u) << ui.titles.front();

  rlimit unlimited{};
  ::getrlimit(RLIMIT_FSIZE, &unlimited);
  // Room for all but the last bytes, which the buffer holds until the file is closed.
  const rlimit small{expected.size() - 5, unlimited.rlim_max};
  std::signal(SIGXFSZ, SIG_IGN);  // as the program does: a write past the limit fails
  ::setrlimit(RLIMIT_FSIZE, &small);
  const std::string unwritten = sandbox::Path("page.htm");
  EXPECT_FALSE(SavePage(page, unwritten));
  ::setrlimit(RLIMIT_FSIZE, &unlimited);
  EXPECT_FALSE(platform::FileExists(unwritten));
  EXPECT_FALSE(platform::FileExists(work + ToSafeFileName(unwritten)));
  EXPECT_NE(DebugLogText().find("Can't write wb  " + unwritten), std::string::npos);
}

TEST(ToSafeFileName, MapsEveryUnsafeCharacter) {
  EXPECT_EQ(ToSafeFileName("\t\n\r\",;| /:?\\#%*<>/tmp/ä-x.htm"), "......._____--x()_tmp_ä-x.htm");
}

}  // namespace html
