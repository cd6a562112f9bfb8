// The debug log and its one notice.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/fs/debug_log.h"
#include "platform/fs/file_status.h"
#include "platform/fs/temp_folder.h"
#include "platform/system/clock.h"
#include "platform/system/system_places.h"
#include "support/manual_clock.h"
#include "support/page_fixture.h"
#include "support/recording_ui.h"
#include "support/sandbox.h"
#include "support/scoped_env.h"

using namespace platform;
using namespace std::string_literals;

constexpr std::time_t kSeptember12At16 = 1663000000;  // 2022-09-12 16:26:40 UTC

TEST(DebugLog, EachHourStartsAUtf16FileWithMarkAndHeaderLineBreaksBecomeTabsAndOldLogsGo) {
  ScopedEnv tz("TZ", "UTC0");
  ManualClock clock;
  clock.now = kSeptember12At16;
  const std::string folder = sandbox::Path("documents/Temp/Temp/DbgDump/WC/");
  DbgLog("first");
  DbgLog("second\na\r\nb\nc 日本");
  EXPECT_EQ(sandbox::ReadFile(folder + "0912_16.txt").substr(0, 4), "\xFF\xFE" "2\0"s);
  const std::string stamp = "2022/09/12 16:26:40\t";
  EXPECT_EQ(ReadTextFile(folder + "0912_16.txt"),
            stamp + UserName() + "\t\t" + GetTempFolder() + "\t\t" + CurrentDirectory() + "\t\t" + ProgramPath() +
                "\t\t\r\n" + stamp + "test_platform\tfirst\r\n" + stamp + "test_platform\tsecond\ta\t\tb\tc 日本\r\n");
  clock.now = kSeptember12At16 + 3600;
  DbgLog("at five");
  EXPECT_NE(ReadTextFile(folder + "0912_17.txt").find("\r\n2022/09/12 17:26:40\ttest_platform\tat five\r\n"),
            std::string::npos);
  const std::string old = folder + "0902_17.txt";  // ten days old: it goes before a log's first entry
  page_test::MakeFile(old, "x", kSeptember12At16 + 3600 - 864000);
  EXPECT_TRUE(DbgDumper().Dump({'a', 0}));
  EXPECT_FALSE(FileExists(old));
}

TEST(DebugLog, ALogThatCannotBeOpenedIsGivenUpForTheRunWithOneNotice) {
  ManualClock clock;
  ScopedEnv documents("Z_SUITE_COMMON_DOCUMENTS", sandbox::Path("blocked-documents"));
  sandbox::WriteFile(sandbox::Path("blocked-documents/Temp/Temp/DbgDump"), "a file in the way");
  RecordingUi ui;
  DbgDumper dumper;
  EXPECT_FALSE(dumper.Dump({'a', 0}));
  EXPECT_FALSE(dumper.Dump({'b', 0}));
  EXPECT_EQ(clock.sleeps.size(), 99u);
  EXPECT_EQ(ui.notices, std::vector<std::string>{"Can't open ab  " + sandbox::Path("blocked-documents") +
                                                 "/Temp/Temp/DbgDump/WC/" + FormatLocalTime("%m%d_%H") +
                                                 ".txt\tno debug log for the rest of this run"});
}
