// When two versions of the download page count as the same.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "platform/folder_walk.h"
#include "platform/folders.h"
#include "support/sandbox.h"
#include "support/scoped_env.h"
#include "support/trace_record.h"
#include "update/page_compare.h"

namespace {

using namespace update;

// The comparison files written so far, by their end ("o.htm", "n.htm", "_.txt").
std::vector<std::string> ComparisonFiles(const std::string& end) {
  return platform::FilterFiles(platform::ListFolder(GetDatedTempFolder()), "*" + end);
}

TEST(SamePage, SchemeOfLinksAndEmptyLinesDoNotCount) {
  EXPECT_TRUE(SamePage("<a href=\"https://h/\">x</a>\r\n", "<a href=\"http://h/\">x</a>"));
  EXPECT_TRUE(SamePage("a\r\n\r\n\r\nb\r\n", "\r\na\r\nb"));
  EXPECT_FALSE(SamePage("a\r\nb", "a\r\nc"));
  EXPECT_FALSE(SamePage("a\r\nb", "ab"));
  // Only CR LF ends a line.
  EXPECT_FALSE(SamePage("a\n\nb", "a\nb"));
}

TEST(SameAfterLayout, EveryLineBreakRule) {
  EXPECT_EQ(BreakPageLines("</div></script></span></li></a>"),
            "</div>\r\n</script>\r\n</span>\r\n</li>\r\n</a>\r\n");
  EXPECT_EQ(BreakPageLines("<p><div><p><script><p><span><p><style><p><img><p><li><p><ul><p><ol>"),
            "<p>\r\n<div><p>\r\n<script><p>\r\n<span><p>\r\n<style><p>\r\n<img><p>\r\n<li><p>\r\n<ul><p>\r\n<ol>");
  EXPECT_EQ(BreakPageLines("<br/><hr/>f();g();"), "<br/>\r\n<hr/>f();\r\ng();\r\n");
  // Rules run in order over the whole text: a closing div before a div breaks once.
  EXPECT_EQ(BreakPageLines("</div><div>"), "</div>\r\n<div>");
  EXPECT_EQ(JoinFilledLines("\r\na\r\n\r\nb\r\n"), "a\r\nb");
}

TEST(SameAfterLayout, TagsBrokenDifferentlyAreTheSameAndFilesAreWritten) {
  const std::string before = "<body><div>one</div><div>two</div>\r\n<script>f();</script></body>";
  const std::string after = "<body>\r\n<div>one</div>\r\n\r\n<div>two</div><script>f();\r\n</script></body>";
  EXPECT_FALSE(SamePage(before, after));
  const size_t earlier = ComparisonFiles("o.htm").size();
  TraceRecord trace;
  EXPECT_TRUE(SameAfterLayout(before, after, trace.Sink()));
  EXPECT_EQ(trace.error, "no update\n");
  const auto olds = ComparisonFiles("o.htm");
  const auto news = ComparisonFiles("n.htm");
  ASSERT_EQ(olds.size(), earlier + 1);
  ASSERT_EQ(news.size(), olds.size());
  const std::string written = sandbox::ReadFile(olds.back());
  EXPECT_EQ(written, sandbox::ReadFile(news.back()));
  EXPECT_EQ(written, "<body>\r\n<div>one</div>\r\n<div>two</div>\r\n<script>f();\r\n</script>\r\n</body>");
}

TEST(SameAfterLayout, NumbersRiseAndDifferencesAreShown) {
  const auto first = ComparisonFiles("o.htm");
  TraceRecord trace;
  EXPECT_FALSE(SameAfterLayout("<p>version 1</p>", "<p>version 2</p>", trace.Sink()));
  const auto second = ComparisonFiles("o.htm");
  ASSERT_EQ(second.size(), first.size() + 1);
  // "%H%M_" and a two-digit number that goes up by one per comparison.
  std::vector<std::string> names;
  for (const auto& path : second) names.push_back(GetFileName(path));
  std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
    return a.substr(5) < b.substr(5);
  });
  for (size_t i = 0; i < names.size(); ++i) {
    EXPECT_EQ(names[i].size(), 12u) << names[i];
    EXPECT_EQ(names[i][4], '_');
    if (i > 0) {
      EXPECT_EQ(std::stoi(names[i].substr(5, 2)), std::stoi(names[i - 1].substr(5, 2)) + 1);
    }
  }
  const std::string result = GetDatedTempFolder() + names.back().substr(0, 7) + "_.txt";
  const std::string differences = sandbox::ReadFile(result);
  EXPECT_NE(differences.find("version 1"), std::string::npos) << differences;
  EXPECT_NE(differences.find("version 2"), std::string::npos) << differences;
  EXPECT_EQ(trace.output, differences);
}

TEST(SameAfterLayout, WithoutDiffProgramNoResultFile) {
  const std::string emptyBin = sandbox::Path("empty-bin");
  sandbox::MakeDirs(emptyBin);
  const size_t before = ComparisonFiles("_.txt").size();
  {
    ScopedEnv path("PATH", emptyBin);
    TraceRecord trace;
    EXPECT_FALSE(SameAfterLayout("a", "b", trace.Sink()));
    EXPECT_EQ(trace.output, "");
  }
  EXPECT_EQ(ComparisonFiles("_.txt").size(), before);
}

TEST(SameAfterLayout, PathsWithBlanksAndShellMarksReachDiffUnchanged) {
  const std::string weird = sandbox::Path("tmp with blank;$(touch injected)");
  sandbox::MakeDirs(weird);
  ScopedEnv tmp("TMPDIR", weird + "/");
  TraceRecord trace;
  EXPECT_FALSE(SameAfterLayout("old line", "new line", trace.Sink()));
  EXPECT_NE(trace.output.find("new line"), std::string::npos) << trace.output;
  EXPECT_FALSE(std::filesystem::exists("injected"));
  EXPECT_FALSE(std::filesystem::exists(sandbox::Path("injected")));
}

}  // namespace
