#include "publish/publish.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/clock.h"
#include "platform/folders.h"
#include "publish/upload_settings.h"
#include "support/manual_clock.h"
#include "support/sandbox.h"
#include "upload_site.h"

namespace fs = std::filesystem;

namespace {

bool Publish(const std::string& name) {
  const std::string file = sandbox::Path("src/" + name);
  sandbox::WriteFile(file, name);
  publish::PublishObserver quiet;
  const std::atomic<bool> noStop{false};
  return publish::Publish({file}, quiet, noStop).ok;
}

TEST(UploadJob, TwoJobsInOneSecondUseTwoFoldersAndTheSecondClearsTheFirst) {
  const UploadSite site(sandbox::Path("www"));
  sandbox::WriteFile(publish::SettingsFilePath(),
                     "[Preference_202206]\nserver=" + site.HostAndPort() + "\nphp_fn=" + kUploadScript + "\n");
  ManualClock clock;
  clock.SetNow(1781000000);
  const std::string first = GetDatedTempFolder() + platform::FormatLocalTime("%H%M%S");
  ASSERT_TRUE(Publish("first.txt"));
  EXPECT_TRUE(fs::exists(first + "/first.txt"));
  sandbox::WriteFile(first + "_2", "a file, not a folder");

  ASSERT_TRUE(Publish("second.txt"));
  EXPECT_FALSE(fs::exists(first));
  EXPECT_TRUE(fs::exists(first + "_3/second.txt"));
}

}  // namespace
