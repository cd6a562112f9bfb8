#include <gtest/gtest.h>

#include <filesystem>

#include "platform/file_services.h"
#include "platform/folders.h"
#include "support/sandbox.h"

TEST(FileBackup, RescueFolderGivesEveryDriveAndLevelItsOwnFolder) {
  const std::string rescue = GetTempFolder() + "Rescue";
  EXPECT_EQ(GetRescueFolder("C:/Web/site/index.htm", false), rescue + "/C/Web/site");
  EXPECT_FALSE(FolderExists(rescue));
  sandbox::MakeDirs(sandbox::Path("site/sub"));
  const std::string forFolder = GetRescueFolder(sandbox::Path("site/sub"), true);
  EXPECT_EQ(forFolder, NormalizePath(rescue + "/" + sandbox::Path("site/sub")));
  EXPECT_TRUE(FolderExists(forFolder));
}

TEST(FileBackup, NumberedCopiesTakeTheFirstFreeNumber) {
  const std::string page = sandbox::Path("site/index.htm");
  sandbox::WriteFile(page, "one");
  const std::string folder = GetRescueFolder(page, true);
  std::filesystem::create_symlink(sandbox::Path("stolen"), folder + "/index.000.htm");   // planted, dangling
  EXPECT_EQ(BackupFile(page, true), folder + "/index.000.htm");
  EXPECT_FALSE(std::filesystem::exists(sandbox::Path("stolen")));
  sandbox::WriteFile(page, "two");
  EXPECT_EQ(BackupFile(page, true), folder + "/index.001.htm");
  EXPECT_EQ(sandbox::ReadFile(folder + "/index.000.htm"), "one");
  EXPECT_TRUE(RemoveFile(folder + "/index.000.htm"));
  EXPECT_EQ(BackupFile(page, true), folder + "/index.000.htm");

  const std::string bare = sandbox::Path("site/README");
  sandbox::WriteFile(bare, "r");
  EXPECT_EQ(BackupFile(bare, true), folder + "/README.000");
}

TEST(FileBackup, UnnumberedCopyOverwritesAndMissingFilesGiveNothing) {
  const std::string page = sandbox::Path("site/a.htm");
  sandbox::WriteFile(page, "first");
  BackupFile(page, false);
  sandbox::WriteFile(page, "second");
  EXPECT_EQ(sandbox::ReadFile(BackupFile(page, false)), "second");
  EXPECT_EQ(BackupFile(page, false), GetRescueFolder(page, false) + "/a.htm");
  EXPECT_EQ(BackupFile(sandbox::Path("site/missing.htm"), true), "");
}

TEST(FileBackup, AllThousandNumbersTakenGivesNothing) {
  const std::string page = sandbox::Path("full/p.txt");
  sandbox::WriteFile(page, "p");
  const std::string folder = GetRescueFolder(page, true);
  for (int n = 0; n < 1000; ++n) {
    char name[16];
    std::snprintf(name, sizeof name, "/p.%03d.txt", n);
    sandbox::WriteFile(folder + name, "");
  }
  EXPECT_EQ(BackupFile(page, true), "");
  EXPECT_EQ(sandbox::ReadFile(folder + "/p.999.txt"), "");
}
