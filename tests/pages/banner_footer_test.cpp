#include <gtest/gtest.h>

#include <regex>

#include "htmout/banner.h"
#include "htmout/page_footer.h"
#include "htmout/page_time.h"

TEST(Banner, NamesGeneratorBuildTimeAndContact) {
  const Xml_E banner = htmout::Banner();
  EXPECT_TRUE(banner.IsComment());
  const std::string text = banner.GetText();
  const std::regex layout(
      "\t\r\nHTML Exporter\t1\\.02\t2021/07/07 16:51:38\thtmout\r\n"
      "EXE          \t    \t\\d{4}/\\d{2}/\\d{2} 16:54:33\t/[^\r\n]+\r\n"
      "Time         \t    \t\\d{4}/\\d{2}/\\d{2} \\d{2}:\\d{2}:\\d{2}\r\n"
      "[^\r\n]+ \t    \t[^\r\n]+@[^\r\n]+\r\n\t");
  EXPECT_TRUE(std::regex_match(text, layout)) << text;
}

TEST(Footer, RuleThenTheTimeOnTheRight) {
  Xml_E holder("body");
  holder.AddElement(HT_Make_footer());
  ASSERT_EQ(holder.GetElementCount(), 2);
  EXPECT_EQ(holder.GetElementAt(0).ToString(), "<hr\t/>");
  const Xml_E time = holder.GetElementAt(1);
  EXPECT_EQ(time.GetAttribute("style"), "text-align : right ;");
  EXPECT_TRUE(std::regex_match(time.GetText(), std::regex("\\d{4}/\\d{2}/\\d{2} \\d{2}:\\d{2}:\\d{2}")));
}

TEST(PageTime, ReformatsCompilerStyleTexts) {
  EXPECT_EQ(ReformatTime("Sep 12 2022", "%b %d %Y", "%Y/%m/%d"), "2022/09/12");
  EXPECT_EQ(ReformatTime("Dec  6 2026", "%b %d %Y", "%Y/%m/%d"), "2026/12/06");
  EXPECT_EQ(ReformatTime("no date", "%b %d %Y", "%Y/%m/%d"), "");
}
