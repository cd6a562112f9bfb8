// When two versions of the download page count as the same.
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/fs/folder_walk.h"
#include "suite/folders.h"
#include "support/sandbox.h"
#include "support/scoped_env.h"
#include "support/trace_record.h"
#include "update/page_compare.h"

namespace {

using namespace update;

// The comparison files written so far whose names end so ("o.htm", "_.txt").
std::vector<std::string> ComparisonFiles(const std::string& end) {
  return platform::FilterFiles(platform::ListFolder(suite::GetDatedTempFolder()), "*" + end);
}

TEST(SamePage, SchemeOfLinksAndEmptyLinesDoNotCount) {
  for (const auto& [before, after, same] : std::vector<std::tuple<std::string, std::string, bool>>{
           {"<a href=\"https://h/\">x</a>\r\n", "<a href=\"http://h/\">x</a>", true},
           {"a\r\n\r\n\r\nb\r\n", "\r\na\r\nb", true},
           {"a\r\nb", "a\r\nc", false}, {"a\r\nb", "ab", false},
           {"a\n\nb", "a\nb", false}}) {  // only CR LF ends a line
    EXPECT_EQ(SamePage(before, after), same) << before;
  }
}

// Comparisons are numbered from 01 in files named "%H%M_" and the number;
// paths reach the diff program unchanged, whatever the folder is called.
TEST(SameAfterLayout, TagsBrokenAlikeAreTheSameAndDifferencesAreShownAndKept) {
  const std::string weird = sandbox::Path("tmp with blank;$(touch injected)");
  std::filesystem::create_directories(weird);
  const ScopedEnv tmp("TMPDIR", weird + "/");
  TraceRecord trace;
  EXPECT_TRUE(SameAfterLayout("<body><div>one</div><div>two</div>\r\n<script>f();</script></body>",
                              "<body>\r\n<div>one</div>\r\n\r\n<div>two</div><script>f();\r\n</script></body>",
                              trace.Sink()));
  EXPECT_EQ(trace.error, "no update\n");
  EXPECT_EQ(sandbox::ReadFile(ComparisonFiles("o.htm").at(0)),
            "<body>\r\n<div>one</div>\r\n<div>two</div>\r\n<script>f();\r\n</script>\r\n</body>");

  EXPECT_FALSE(SameAfterLayout("<p>version 0</p>", "<p>version 1</p>", trace.Sink()));
  const auto results = ComparisonFiles("_.txt");
  ASSERT_EQ(results.size(), 1u);
  EXPECT_EQ(platform::GetFileName(results[0]).substr(4), "_02_.txt");
  EXPECT_NE(trace.output.find("> <p>version 1"), std::string::npos) << trace.output;
  EXPECT_EQ(sandbox::ReadFile(results[0]), trace.output);
  EXPECT_FALSE(std::filesystem::exists("injected"));

  const ScopedEnv noDiff("PATH", weird);  // nothing shown, nothing kept
  EXPECT_FALSE(SameAfterLayout("a", "b", trace.Sink()));
  EXPECT_EQ(ComparisonFiles("_.txt"), results);
  EXPECT_EQ(sandbox::ReadFile(results[0]), trace.output);
}

}  // namespace
