#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <functional>

#include "platform/file_status.h"
#include "platform/folders.h"
#include "platform/system_places.h"
#include "support/manual_clock.h"
#include "support/sandbox.h"
#include "support/scoped_env.h"

namespace fs = std::filesystem;

namespace {

std::string PrivateName() { return "wx_pub-" + std::to_string(::geteuid()); }

}  // namespace

TEST(Folders, TemporaryFolderIsPrivateAndAvoidsTheWindowsFolder) {
  EXPECT_EQ(platform::GetTempFolder(), sandbox::Path("tmp/" + PrivateName() + "/"));
  EXPECT_EQ(fs::status(platform::GetTempFolder()).permissions(), fs::perms::owner_all);
  ScopedEnv lower("TMPDIR", sandbox::Path("c/windows/temp/"));
  EXPECT_EQ(platform::GetProgramTempFolder(), sandbox::Path("documents/Temp/Temp/z_Suite.tmp/wx_pub/"));
}

// What another user could have planted or can enter gives way to the user's own cache folder.
TEST(Folders, ATemporaryFolderThatIsNotPrivateIsRefused) {
  const std::string outside = sandbox::Path("outside");
  sandbox::MakeDirs(outside);
  std::vector<std::function<void(const std::string&)>> plants = {
      [&](const std::string& path) { fs::create_directory_symlink(outside, path); },
      [](const std::string& path) { fs::create_directory(path); fs::permissions(path, fs::perms::all); },
  };
  if (::geteuid() == 0) {   // only root can give a folder away
    plants.push_back([](const std::string& path) {
      fs::create_directory(path);
      fs::permissions(path, fs::perms::owner_all);
      ASSERT_EQ(::chown(path.c_str(), 4242, 4242), 0);
    });
  }
  for (size_t row = 0; row < plants.size(); ++row) {
    const std::string shared = sandbox::Path("shared" + std::to_string(row));
    sandbox::MakeDirs(shared);
    plants[row](shared + "/" + PrivateName());
    ScopedEnv tmpdir("TMPDIR", shared);
    EXPECT_EQ(platform::GetTempWorkFolder(), sandbox::Path("home/.cache/wx_pub/z_Suite.tmp/wx_pub/")) << shared;
  }
  EXPECT_TRUE(fs::is_empty(outside));
  EXPECT_EQ(fs::status(sandbox::Path("home/.cache/wx_pub")).permissions(), fs::perms::owner_all);
}

TEST(Folders, WorkFolderFallsBackBelowCommonDocumentsWhenItCannotBeCreated) {
  sandbox::WriteFile(sandbox::Path("blocked"), "a file where a folder should go");
  ScopedEnv tmpdir("TMPDIR", sandbox::Path("blocked/"));
  ScopedEnv home("HOME", sandbox::Path("blocked"));
  const std::string work = platform::GetTempWorkFolder();
  EXPECT_EQ(work,
            sandbox::Path("documents/Temp/Temp/z_Suite.tmp/") + platform::GetFileStem(platform::ProgramPath()) + "/");
  EXPECT_TRUE(platform::FolderExists(work));
}

// Named after the original program even when the file was copied under another name.
TEST(Folders, DatedFolderCarriesTheLocalDateInEightDigits) {
  ManualClock clock;
  ScopedEnv tz("TZ", "UTC0");
  clock.SetNow(1663000000);  // 2022-09-12 16:26:40 UTC
  const std::string dated = platform::GetDatedTempFolder();
  EXPECT_EQ(dated, platform::GetTempFolder() + "z_Suite.tmp/wx_pub/20220912/");
  EXPECT_TRUE(platform::FolderExists(dated));
}

TEST(Folders, CommonDocumentsFallsBackToTheUsersDocuments) {
  ScopedEnv none("Z_SUITE_COMMON_DOCUMENTS", std::nullopt);
  EXPECT_EQ(platform::CommonDocumentsFolder(), sandbox::Path("home/Documents"));
  sandbox::WriteFile(sandbox::Path("config/user-dirs.dirs"), "# made up\nXDG_DOCUMENTS_DIR=\"$HOME/Dokumente\"\n");
  EXPECT_EQ(platform::CommonDocumentsFolder(), sandbox::Path("home/Dokumente"));
  ScopedEnv direct("XDG_DOCUMENTS_DIR", sandbox::Path("direct/"));
  EXPECT_EQ(platform::CommonDocumentsFolder(), sandbox::Path("direct"));
}
