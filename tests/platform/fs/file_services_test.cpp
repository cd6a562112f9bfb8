// Files and folders: existence, reading and writing, the private temporary folder, folder walks.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>

#include "platform/fs/file_io.h"
#include "platform/fs/file_operations.h"
#include "platform/fs/file_status.h"
#include "platform/fs/folder_walk.h"
#include "platform/fs/temp_folder.h"
#include "platform/system/system_places.h"
#include "platform/text/path_text.h"
#include "suite/folders.h"
#include "support/debug_log_reader.h"
#include "support/manual_clock.h"
#include "support/sandbox.h"
#include "support/scoped_env.h"

namespace fs = std::filesystem;
using namespace platform;
using namespace suite;

TEST(FileServices, PathsExistenceAndFoldersMadeLevelByLevel) {
  EXPECT_EQ(NormalizePath("//server/share//x\\y/"), "//server/share/x\\y");
  EXPECT_EQ(GetFileStem("/a/b.tar.gz") + GetFileStem("/a/what?.txt") + GetFolderPart("b.txt"), "b.tar");
  EXPECT_TRUE(FileExists(sandbox::WriteFile(sandbox::Path("empty.txt"), "")));
  EXPECT_FALSE(FileExists(sandbox::Path("empty.txt"), true));
  EXPECT_TRUE(CreateFolder(sandbox::Path("one/two/a\\b/")));
  EXPECT_TRUE(FolderExists(sandbox::Path("one/two/a\\b")));
  EXPECT_FALSE(CreateFolder(sandbox::Path("empty.txt/sub")));
  EXPECT_NE(DebugLogText().find("\tCan't create " + sandbox::Path("empty.txt") + "\r\n"), std::string::npos);
}

// Files of /proc report size 0 yet have content: the read must not trust the size.
TEST(FileServices, OpensAreTriedEvery100msAndReadsTakeWhatTheFileHolds) {
  ManualClock clock;
  EXPECT_EQ(OpenFileWait(sandbox::Path("nowhere/file"), "rb", 0), nullptr);
  EXPECT_TRUE(ReadFileBytes(sandbox::Path("missing")).empty());
  EXPECT_EQ(clock.sleeps, std::vector<unsigned>(99, 100));
  const Bytes status = ReadFileBytes("/proc/self/status");
  EXPECT_EQ(std::string(status.begin(), status.end()).rfind("Name:", 0), 0u);
}

// A shared folder's entry that others could have made or can enter gives way to the user's own cache folder.
TEST(Folders, TheTemporaryFolderIsPrivateAndNeverTheWindowsFolder) {
  const std::string own = "/wx_pub-" + std::to_string(::geteuid());
  EXPECT_EQ(GetTempFolder(), sandbox::Path("tmp" + own + "/"));
  EXPECT_EQ(fs::status(GetTempFolder()).permissions(), fs::perms::owner_all);
  fs::create_directories(sandbox::Path("open" + own));
  fs::permissions(sandbox::Path("open" + own), fs::perms::all);
  ScopedEnv open("TMPDIR", sandbox::Path("open"));
  EXPECT_EQ(GetTempFolder(), sandbox::Path("home/.cache/wx_pub/"));
  ScopedEnv windows("TMPDIR", sandbox::Path("c/windows/temp/"));
  EXPECT_EQ(GetProgramTempFolder(), sandbox::Path("documents/Temp/Temp/z_Suite.tmp/wx_pub/"));
  // Without the suite's own variable the documents folder comes from the desktop's user-dirs.dirs.
  ScopedEnv desktop("Z_SUITE_COMMON_DOCUMENTS", std::nullopt);
  sandbox::WriteFile(sandbox::Path("config/user-dirs.dirs"), "XDG_DOCUMENTS_DIR=\"$HOME/Docs/\"\n");
  EXPECT_EQ(CommonDocumentsFolder(), sandbox::Path("home/Docs"));
}

// Breadth first: the folders of one level before any of the next; links are never followed.
TEST(FolderWalk, EnumerateFoldersLevelByLevelAndFilterByNameIgnoringCase) {
  const std::string root = sandbox::Path("tree");
  for (const char* folder : {"a/a1", "b"}) fs::create_directories(root + "/" + folder);
  fs::create_directory_symlink(".", root + "/a/self");
  sandbox::WriteFile(root + "/a/file", "not a folder");
  std::vector<std::string> list{"kept"};
  EnumerateFolders(list, root);
  std::sort(list.begin() + 1, list.begin() + 3);
  EXPECT_EQ(list, (std::vector<std::string>{"kept", root + "/a/", root + "/b/", root + "/a/a1/"}));
  const std::vector<std::string> paths{"/a/x.TXT", "/a.txt/y.htm", "/a/z.txt.bak", "/a/txt", "/b/Q.t.Txt", "/b/.txtx"};
  EXPECT_EQ(FilterFiles(paths, "*.txt"), (std::vector<std::string>{"/a/x.TXT", "/b/Q.t.Txt"}));
}
