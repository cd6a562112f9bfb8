#include <gtest/gtest.h>

#include "platform/clock.h"
#include "platform/file_services.h"
#include "platform/folders.h"
#include "support/fake_clock.h"
#include "support/sandbox.h"
#include "support/scoped_env.h"

TEST(Folders, TemporaryFolderRules) {
  EXPECT_EQ(GetTempFolder(), sandbox::Path("tmp/"));
  EXPECT_FALSE(FolderExists(GetProgramTempFolder()));
  EXPECT_EQ(GetTempWorkFolder(), sandbox::Path("tmp/z_Suite.tmp/wx_pub/"));
  EXPECT_TRUE(FolderExists(GetProgramTempFolder()));
  {
    ScopedEnv lower("TMPDIR", sandbox::Path("c/windows/temp/"));
    EXPECT_EQ(GetProgramTempFolder(), sandbox::Path("documents/Temp/Temp/z_Suite.tmp/wx_pub/"));
  }
  ScopedEnv tmp("TMP", sandbox::Path("other"));
  EXPECT_EQ(ResolveTempFolder(""), sandbox::Path("other"));
  ScopedEnv tmpdir("TMPDIR", "/" + std::string(300, 'x'));
  EXPECT_EQ(GetTempFolder().size(), 260u);
}

TEST(Folders, WorkFolderFallsBackBelowCommonDocumentsWhenItCannotBeCreated) {
  sandbox::WriteFile(sandbox::Path("blocked"), "a file where a folder should go");
  ScopedEnv tmpdir("TMPDIR", sandbox::Path("blocked/"));
  const std::string work = GetTempWorkFolder();
  EXPECT_EQ(work, sandbox::Path("documents/Temp/Temp/z_Suite.tmp/") + GetFileStem(GetModulePath()) + "/");
  EXPECT_TRUE(FolderExists(work));
}

TEST(Folders, DatedFolderCarriesTheLocalDateInEightDigits) {
  FakeClock clock;
  ScopedEnv tz("TZ", "UTC0");
  clock.SetWallClock(1663000000);  // 2022-09-12 16:26:40 UTC
  const std::string dated = GetDatedTempFolder();
  EXPECT_EQ(dated, sandbox::Path("tmp/z_Suite.tmp/wx_pub/20220912/"));
  EXPECT_TRUE(FolderExists(dated));
  EXPECT_EQ(MakeDatedFolder(sandbox::Path("base")), sandbox::Path("base/20220912"));
  EXPECT_TRUE(FolderExists(sandbox::Path("base/20220912")));
}

TEST(Folders, SuiteAndSettingsFoldersFollowCommonDocuments) {
  ScopedEnv documents("Z_SUITE_COMMON_DOCUMENTS", sandbox::Path("shared//docs/"));
  EXPECT_EQ(GetSpecialFolder(CSIDL_COMMON_DOCUMENTS), sandbox::Path("shared//docs"));
  EXPECT_EQ(GetSuiteFolder(), NormalizePath(sandbox::Path("shared/docs/Temp/z_Suite")));
  EXPECT_EQ(GetSettingsFolder(), NormalizePath(sandbox::Path("shared/docs/Temp/z_Suite/_Setting")));
}

TEST(Folders, CommonDocumentsFallsBackToTheUsersDocuments) {
  ScopedEnv none("Z_SUITE_COMMON_DOCUMENTS", std::nullopt);
  EXPECT_EQ(GetSpecialFolder(CSIDL_COMMON_DOCUMENTS), sandbox::Path("home/Documents"));
  sandbox::WriteFile(sandbox::Path("config/user-dirs.dirs"), "# made up\nXDG_DOCUMENTS_DIR=\"$HOME/Dokumente\"\n");
  EXPECT_EQ(GetSpecialFolder(CSIDL_COMMON_DOCUMENTS), sandbox::Path("home/Dokumente"));
  ScopedEnv direct("XDG_DOCUMENTS_DIR", sandbox::Path("direct/"));
  EXPECT_EQ(GetSpecialFolder(CSIDL_COMMON_DOCUMENTS), sandbox::Path("direct"));
}
