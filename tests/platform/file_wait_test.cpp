#include "platform/file_wait.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <vector>

#include "platform/feedback.h"
#include "platform/registry.h"
#include "support/manual_clock.h"
#include "support/sandbox.h"

namespace {

class RecordingUi : public platform::UserInterface {
 public:
  platform::Answer ShowMessageBox(const std::string&, platform::BoxStyle) override { return platform::Answer::Ok; }
  void ShowProgressTitle(const std::string& title) override { titles.push_back(title); }
  void PumpMessages() override {}
  std::vector<std::string> titles;
};

// A file another program holds for the first `busy` tries, failing with `cause`.
class FileWaitTest : public ::testing::Test {
 protected:
  void SetUp() override {
    sandbox::WriteFile(path, "[s]\r\n");
    platform::InstallUserInterface(&ui);
  }
  void TearDown() override {
    platform::InstallUserInterface(nullptr);
    waitKey.DeleteValue("Wait_MaxCount_sec");
  }

  const std::string path = sandbox::Path("wait/upfile.ini");
  RegAccess waitKey{"Software\\z_Suite\\z_Suite\\FileWait"};
  RecordingUi ui;
  ManualClock clock;
  int tries = 0;
  int busy = 0;
  int cause = EAGAIN;
  const platform::FileOpener opener = [this](const std::string& file, const char* mode) -> FILE* {
    ++tries;
    if (tries <= busy) {
      errno = cause;
      return nullptr;
    }
    return std::fopen(file.c_str(), mode);
  };
};

TEST_F(FileWaitTest, WaitsWhileTheFileIsHeld) {
  busy = 3;
  FILE* file = platform::FileWaitOpenRead(path, opener);
  ASSERT_NE(file, nullptr);
  std::fclose(file);
  EXPECT_EQ(tries, 4);
  EXPECT_EQ(clock.Sleeps(), (std::vector<unsigned>{100, 100, 100}));
  ASSERT_FALSE(ui.titles.empty());
  EXPECT_EQ(ui.titles.front(), "FileWait OpenRead  " + path + "  (1/100)  ");
}

TEST_F(FileWaitTest, GivesUpAfterTheRegistryTime) {
  ASSERT_EQ(waitKey.WriteInt("Wait_MaxCount_sec", 2), 1);
  busy = 1000;
  EXPECT_EQ(platform::FileWaitOpenWrite(path, opener), nullptr);
  EXPECT_EQ(tries, 20);
  EXPECT_EQ(clock.Sleeps().size(), 20u);
  EXPECT_EQ(sandbox::ReadFile(path), "[s]\r\n");

  ASSERT_EQ(waitKey.WriteInt("Wait_MaxCount_sec", 0), 1);
  tries = 0;
  EXPECT_EQ(platform::FileWaitOpenRead(path, opener), nullptr);
  EXPECT_EQ(tries, 1);
}

TEST_F(FileWaitTest, OtherFailuresEndTheWaitAtOnce) {
  busy = 1000;
  cause = EACCES;
  EXPECT_EQ(platform::FileWaitOpenRead(path, opener), nullptr);
  EXPECT_EQ(tries, 1);
  EXPECT_TRUE(clock.Sleeps().empty());
  EXPECT_TRUE(ui.titles.empty());

  // A file not there yet is opened once, without waiting.
  tries = 0;
  busy = 1;
  cause = EAGAIN;
  EXPECT_EQ(platform::FileWaitOpenWrite(sandbox::Path("wait/new.ini"), opener), nullptr);
  EXPECT_EQ(tries, 1);
  EXPECT_TRUE(clock.Sleeps().empty());
}

}  // namespace
