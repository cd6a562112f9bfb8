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
  return platform::FilterFiles(platform::ListFolder(platform::GetDatedTempFolder()), "*" + end);
}

TEST(SamePage, SchemeOfLinksAndEmptyLinesDoNotCount) {
  for (const auto& [before, after, same] : std::vector<std::tuple<std::string, std::string, bool>>{
           {"<a href=\"https://h/\">x</a>\r\n", "<a href=\"http://h/\">x</a>", true},
           {"a\r\n\r\n\r\nb\r\n", "\r\na\r\nb", true},
           {"a\r\nb", "a\r\nc", false},
           {"a\r\nb", "ab", false},
           {"a\n\nb", "a\nb", false}}) {  // only CR LF ends a line
    EXPECT_EQ(SamePage(before, after), same) << before;
  }
}

TEST(SameAfterLayout, TagsBrokenDifferentlyAreTheSameAndFilesAreWritten) {
  const std::string before = "<body><div>one</div><div>two</div>\r\n<script>f();</script></body>";
  const std::string after = "<body>\r\n<div>one</div>\r\n\r\n<div>two</div><script>f();\r\n</script></body>";
  EXPECT_FALSE(SamePage(before, after));
  TraceRecord trace;
  EXPECT_TRUE(SameAfterLayout(before, after, trace.Sink()));
  EXPECT_EQ(trace.error, "no update\n");
  const auto olds = ComparisonFiles("o.htm");
  const auto news = ComparisonFiles("n.htm");
  ASSERT_EQ(olds.size(), 1u);
  ASSERT_EQ(news.size(), 1u);
  EXPECT_EQ(sandbox::ReadFile(olds[0]), "<body>\r\n<div>one</div>\r\n<div>two</div>\r\n<script>f();\r\n</script>\r\n</body>");
  EXPECT_EQ(sandbox::ReadFile(news[0]), sandbox::ReadFile(olds[0]));
}

TEST(SameAfterLayout, WithoutDiffProgramNoResultFile) {
  const std::string emptyBin = sandbox::Path("empty-bin");
  sandbox::MakeDirs(emptyBin);
  const ScopedEnv path("PATH", emptyBin);
  TraceRecord trace;
  EXPECT_FALSE(SameAfterLayout("a", "b", trace.Sink()));
  EXPECT_EQ(trace.output, "");
  EXPECT_TRUE(ComparisonFiles("_.txt").empty());
}

// The differences go to the trace and to a file named "%H%M_" and a number
// that goes up by one per comparison; paths reach the program unchanged.
TEST(SameAfterLayout, DifferencesAreShownAndKeptWhateverTheFolderIsNamed) {
  const std::string weird = sandbox::Path("tmp with blank;$(touch injected)");
  sandbox::MakeDirs(weird);
  ScopedEnv tmp("TMPDIR", weird + "/");
  for (const std::string version : {"1", "2"}) {
    TraceRecord trace;
    EXPECT_FALSE(SameAfterLayout("<p>version 0</p>", "<p>version " + version + "</p>", trace.Sink()));
    auto results = ComparisonFiles("_.txt");
    std::sort(results.begin(), results.end());
    ASSERT_EQ(results.size(), std::stoul(version));
    EXPECT_EQ(platform::GetFileName(results.back()).substr(4), "_0" + version + "_.txt");
    EXPECT_NE(trace.output.find("> <p>version " + version), std::string::npos) << trace.output;
    EXPECT_EQ(sandbox::ReadFile(results.back()), trace.output);
  }
  EXPECT_FALSE(std::filesystem::exists("injected"));
  EXPECT_FALSE(std::filesystem::exists(sandbox::Path("injected")));
}

}  // namespace
