#include <gtest/gtest.h>

#include <filesystem>

#include "platform/file_backup.h"
#include "platform/file_operations.h"
#include "platform/folders.h"
#include "support/sandbox.h"

TEST(FileBackup, NumberedCopiesTakeTheFirstFreeNumberBelowThePrivateTemporaryFolder) {
  const std::string page = sandbox::Path("site/index.htm");
  sandbox::WriteFile(page, "one");
  const std::string folder = platform::GetRescueFolder(page, true);
  EXPECT_EQ(folder.rfind(platform::GetTempFolder() + "Rescue/", 0), 0u);
  std::filesystem::create_symlink(sandbox::Path("stolen"), folder + "/index.000.htm");  // planted, dangling
  EXPECT_EQ(platform::BackupFile(page, true), folder + "/index.000.htm");
  EXPECT_FALSE(std::filesystem::exists(sandbox::Path("stolen")));
  sandbox::WriteFile(page, "two");
  EXPECT_EQ(platform::BackupFile(page, true), folder + "/index.001.htm");
  EXPECT_EQ(sandbox::ReadFile(folder + "/index.000.htm"), "one");
  EXPECT_TRUE(platform::RemoveFile(folder + "/index.000.htm"));
  EXPECT_EQ(platform::BackupFile(page, true), folder + "/index.000.htm");

  sandbox::WriteFile(sandbox::Path("site/README"), "r");
  EXPECT_EQ(platform::BackupFile(sandbox::Path("site/README"), true), folder + "/README.000");
  EXPECT_EQ(platform::BackupFile(sandbox::Path("site/missing.htm"), true), "");
}

TEST(FileBackup, AllThousandNumbersTakenGivesNothing) {
  const std::string page = sandbox::Path("full/p.txt");
  sandbox::WriteFile(page, "p");
  const std::string folder = platform::GetRescueFolder(page, true);
  for (int n = 0; n < 1000; ++n) {
    char name[16];
    std::snprintf(name, sizeof name, "/p.%03d.txt", n);
    sandbox::WriteFile(folder + name, "");
  }
  EXPECT_EQ(platform::BackupFile(page, true), "");
  EXPECT_EQ(sandbox::ReadFile(folder + "/p.999.txt"), "");
}
