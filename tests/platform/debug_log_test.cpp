#include <gtest/gtest.h>
#include <sys/stat.h>
#include <utime.h>

#include <string>
#include <vector>

#include "platform/debug_log.h"
#include "platform/feedback.h"
#include "platform/file_status.h"
#include "platform/folders.h"
#include "platform/system_places.h"
#include "platform/text_decode.h"
#include "support/debug_log_reader.h"
#include "support/manual_clock.h"
#include "support/recording_ui.h"
#include "support/sandbox.h"
#include "support/scoped_env.h"

namespace {

constexpr std::time_t kSeptember12At16 = 1663000000;  // 2022-09-12 16:26:40 UTC
constexpr std::time_t kDay = 86400;

std::string LogFolder() { return sandbox::Path("documents/Temp/Temp/DbgDump/WC"); }

void SetModified(const std::string& path, std::time_t when) {
  const utimbuf times{when, when};
  ::utime(path.c_str(), &times);
}

class DebugLog : public ::testing::Test {
 protected:
  DebugLog() { clock_.SetNow(kSeptember12At16); }
  ScopedEnv tz_{"TZ", "UTC0"};
  ManualClock clock_;
};

}  // namespace

TEST_F(DebugLog, EachHourStartsAFileWithMarkAndHeaderAndLineBreaksBecomeTabs) {
  platform::DbgLog("first");
  platform::DbgLog("second\na\r\nb\nc 日本");
  EXPECT_EQ(sandbox::ReadFile(LogFolder() + "/0912_16.txt").substr(0, 2), "\xFF\xFE");
  const std::string stamp = "2022/09/12 16:26:40\t";
  EXPECT_EQ(platform::ReadTextFile(LogFolder() + "/0912_16.txt"),
            stamp + platform::UserName() + "\t\t" + platform::GetTempFolder() + "\t\t" + platform::CurrentDirectory() +
                "\t\t" + platform::ProgramPath() + "\t\t\r\n" + stamp + "test_platform\tfirst\r\n" + stamp +
                "test_platform\tsecond\ta\t\tb\tc 日本\r\n");
  const std::string before = sandbox::ReadFile(LogFolder() + "/0912_16.txt");
  clock_.SetNow(kSeptember12At16 + 3600);
  platform::DbgLog("at five");
  EXPECT_EQ(sandbox::ReadFile(LogFolder() + "/0912_16.txt"), before);
  EXPECT_NE(
      platform::ReadTextFile(LogFolder() + "/0912_17.txt").find("\r\n2022/09/12 17:26:40\ttest_platform\tat five\r\n"),
      std::string::npos);
}

TEST_F(DebugLog, CleanUpOnceSparesReadOnlyAndRecentFiles) {
  const std::string old = LogFolder() + "/0901_10.txt";
  const std::string locked = LogFolder() + "/0901_11.txt";
  const std::string recent = LogFolder() + "/0903_10.txt";
  const std::string oldInBase = sandbox::Path("documents/Temp/Temp/DbgDump/old.txt");
  for (const std::string& path : {old, locked, recent, oldInBase}) {
    sandbox::WriteFile(path, "x");
    SetModified(path, kSeptember12At16 - 11 * kDay);
  }
  SetModified(recent, kSeptember12At16 - 9 * kDay);
  ::chmod(locked.c_str(), 0444);

  platform::DbgDumper dumper;
  EXPECT_TRUE(dumper.Dump({'a', 0}));
  EXPECT_FALSE(platform::FileExists(old));
  EXPECT_FALSE(platform::FileExists(oldInBase));
  EXPECT_TRUE(platform::FileExists(locked));
  EXPECT_TRUE(platform::FileExists(recent));

  sandbox::WriteFile(old, "x");
  SetModified(old, kSeptember12At16 - 11 * kDay);
  EXPECT_TRUE(dumper.Dump({'b', 0}));
  EXPECT_TRUE(platform::FileExists(old));
  ::chmod(locked.c_str(), 0644);
}

TEST_F(DebugLog, ALogThatCannotBeOpenedIsGivenUpForTheRunWithOneLine) {
  ScopedEnv documents("Z_SUITE_COMMON_DOCUMENTS", sandbox::Path("blocked-documents"));
  sandbox::WriteFile(sandbox::Path("blocked-documents/Temp/Temp/DbgDump"), "a file in the way");
  RecordingUi ui;
  platform::DbgDumper dumper;
  EXPECT_FALSE(dumper.Dump({'a', 0}));
  EXPECT_FALSE(dumper.Dump({'b', 0}));
  EXPECT_EQ(clock_.Sleeps().size(), 99u);
  EXPECT_EQ(ui.notices, std::vector<std::string>{"Can't open ab  " + sandbox::Path("blocked-documents") +
                                                 "/Temp/Temp/DbgDump/WC/0912_16.txt\tno debug log for the rest of this run"});
}
