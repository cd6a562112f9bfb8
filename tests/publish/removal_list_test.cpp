#include "publish/removal_list.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/sandbox.h"

namespace fs = std::filesystem;

namespace publish {

TEST(RemovalList, RemovesContentsFirstAndKeepsFoldersThatStillHoldFilesForALaterCall) {
  const std::string root = sandbox::Path("removal");
  sandbox::WriteFile(root + "/a/b/file.txt", "x");
  sandbox::WriteFile(root + "/a/top.txt", "y");
  sandbox::WriteFile(root + "/a/unlisted.txt", "z");
  {
    RemovalList list;
    for (const char* entry : {"/a/", "/a/b", "/a/top.txt", "/a/b/file.txt", "/a/", "/missing/"}) list.Add(root + entry);
    list.RemoveNow();
    EXPECT_FALSE(fs::exists(root + "/a/b"));
    EXPECT_FALSE(fs::exists(root + "/a/top.txt"));
    // Duplicates are dropped, what is gone already is forgotten.
    EXPECT_EQ(list.Paths(), std::vector<std::string>{root + "/a/"});
    fs::remove(root + "/a/unlisted.txt");
  }   // and the rest goes when the list does
  EXPECT_FALSE(fs::exists(root + "/a"));
}

// What a walk through a link planted in the day folder would list.
TEST(RemovalList, NeverRemovesAnythingReachedThroughALink) {
  const std::string day = sandbox::Path("day");
  sandbox::WriteFile(sandbox::Path("outside/sub/Thumbs.db"), "x");
  sandbox::MakeDirs(sandbox::Path("outside/empty"));
  sandbox::MakeDirs(day);
  fs::create_directory_symlink(sandbox::Path("outside"), day + "/link");
  RemovalList list;
  for (const char* entry : {"/link/sub/Thumbs.db", "/link/sub/", "/link/empty/", "/link/", "/"}) list.Add(day + entry);
  list.RemoveNow();
  EXPECT_TRUE(fs::exists(sandbox::Path("outside/sub/Thumbs.db")));
  EXPECT_TRUE(fs::exists(sandbox::Path("outside/empty")));
}

}  // namespace publish
