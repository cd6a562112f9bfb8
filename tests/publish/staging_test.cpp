#include "publish/staging.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/clock.h"
#include "support/manual_clock.h"
#include "support/sandbox.h"

namespace fs = std::filesystem;

namespace publish {
namespace {

class StagingTest : public ::testing::Test {
 protected:
  void SetUp() override {
    day_ = sandbox::Path("staging/" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(day_);
    clock_.SetNow(1781000000);
  }
  ManualClock clock_;
  std::string day_;
};

TEST_F(StagingTest, AFolderTakenInTheSameSecondGetsAFreshSibling) {
  const std::string first = MakeStagingFolder(day_);
  EXPECT_EQ(first, day_ + "/" + platform::FormatLocalTime("%H%M%S"));
  sandbox::WriteFile(day_ + "/" + platform::FormatLocalTime("%H%M%S") + "_2", "a file, not a folder");
  const std::string second = MakeStagingFolder(day_);
  EXPECT_EQ(second, first + "_3");
  EXPECT_TRUE(fs::is_directory(first));
  EXPECT_TRUE(fs::is_directory(second));
  EXPECT_TRUE(fs::is_empty(second));
}

TEST_F(StagingTest, AnIndexPageReplacesAPageOfTheSameNameAndOtherCasesStay) {
  const std::string folder = MakeStagingFolder(day_);
  sandbox::WriteFile(folder + "/index.htm", "user page");
  sandbox::WriteFile(folder + "/INDEX.HTML", "not an index page");
  sandbox::WriteFile(folder + "/taro.htm", "older page");
  EXPECT_EQ(AdoptIndexPage(folder, "taro.htm"), folder + "/index.htm");
  EXPECT_EQ(sandbox::ReadFile(folder + "/taro.htm"), "user page");
  EXPECT_FALSE(fs::exists(folder + "/index.htm"));
  EXPECT_TRUE(fs::exists(folder + "/INDEX.HTML"));
  EXPECT_EQ(AdoptIndexPage(folder, "taro.htm"), "");
}

}  // namespace
}  // namespace publish
