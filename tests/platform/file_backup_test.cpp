#include <gtest/gtest.h>

#include <filesystem>

#include "platform/file_backup.h"
#include "platform/file_operations.h"
#include "platform/file_status.h"
#include "platform/folders.h"
#include "support/sandbox.h"

TEST(FileBackup, RescueFolderGivesEveryDriveAndLevelItsOwnFolder) {
  const std::string rescue = GetTempFolder() + "Rescue";
  EXPECT_EQ(platform::GetRescueFolder("C:/Web/site/index.htm", false), rescue + "/C/Web/site");
  EXPECT_FALSE(platform::FolderExists(rescue));
  sandbox::MakeDirs(sandbox::Path("site/sub"));
  const std::string forFolder = platform::GetRescueFolder(sandbox::Path("site/sub"), true);
  EXPECT_EQ(forFolder, NormalizePath(rescue + "/" + sandbox::Path("site/sub")));
  EXPECT_TRUE(platform::FolderExists(forFolder));
}

TEST(FileBackup, NumberedCopiesTakeTheFirstFreeNumber) {
  const std::string page = sandbox::Path("site/index.htm");
  sandbox::WriteFile(page, "one");
  const std::string folder = platform::GetRescueFolder(page, true);
  std::filesystem::create_symlink(sandbox::Path("stolen"), folder + "/index.000.htm");   // planted, dangling
  EXPECT_EQ(platform::BackupFile(page, true), folder + "/index.000.htm");
  EXPECT_FALSE(std::filesystem::exists(sandbox::Path("stolen")));
  sandbox::WriteFile(page, "two");
  EXPECT_EQ(platform::BackupFile(page, true), folder + "/index.001.htm");
  EXPECT_EQ(sandbox::ReadFile(folder + "/index.000.htm"), "one");
  EXPECT_TRUE(platform::RemoveFile(folder + "/index.000.htm"));
  EXPECT_EQ(platform::BackupFile(page, true), folder + "/index.000.htm");

  const std::string bare = sandbox::Path("site/README");
  sandbox::WriteFile(bare, "r");
  EXPECT_EQ(platform::BackupFile(bare, true), folder + "/README.000");
}

TEST(FileBackup, UnnumberedCopyOverwritesAndMissingFilesGiveNothing) {
  const std::string page = sandbox::Path("site/a.htm");
  sandbox::WriteFile(page, "first");
  platform::BackupFile(page, false);
  sandbox::WriteFile(page, "second");
  EXPECT_EQ(sandbox::ReadFile(platform::BackupFile(page, false)), "second");
  EXPECT_EQ(platform::BackupFile(page, false), platform::GetRescueFolder(page, false) + "/a.htm");
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
