#include "publish/removal_list.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/sandbox.h"

namespace fs = std::filesystem;

namespace publish {
namespace {

std::string Fresh(const std::string& name) {
  const std::string root = sandbox::Path("delff/" + name);
  fs::remove_all(root);
  sandbox::MakeDirs(root);
  return root;
}

}  // namespace

TEST(RemovalList, RemovesContentsBeforeTheirFolderWhateverTheOrderAdded) {
  const std::string root = Fresh("order");
  sandbox::WriteFile(root + "/a/b/file.txt", "x");
  sandbox::WriteFile(root + "/a/top.txt", "y");
  RemovalList list;
  list.Add(root + "/a/");
  list.Add(root + "/a/b");
  list.Add(root + "/a/top.txt");
  list.Add(root + "/a/b/file.txt");
  list.RemoveNow();
  EXPECT_FALSE(fs::exists(root + "/a"));
  EXPECT_TRUE(list.Paths().empty());
}

TEST(RemovalList, KeepsFoldersThatStillHoldFilesForALaterCall) {
  const std::string root = Fresh("keep");
  sandbox::WriteFile(root + "/stage/unlisted.txt", "x");
  sandbox::WriteFile(root + "/stage/listed.txt", "y");
  RemovalList list;
  list.Add(root + "/stage/");
  list.Add(root + "/stage/listed.txt");
  list.Add(root + "/stage/");     // duplicates are dropped
  list.Add(root + "/missing/");   // gone already: forgotten
  list.RemoveNow();
  EXPECT_TRUE(fs::exists(root + "/stage/unlisted.txt"));
  EXPECT_FALSE(fs::exists(root + "/stage/listed.txt"));
  EXPECT_EQ(list.Paths(), std::vector<std::string>{root + "/stage/"});

  fs::remove(root + "/stage/unlisted.txt");
  list.RemoveNow();
  EXPECT_FALSE(fs::exists(root + "/stage"));
  EXPECT_TRUE(list.Paths().empty());
}

// What a walk through a link planted in the day folder would list.
TEST(RemovalList, NeverRemovesAnythingReachedThroughALink) {
  const std::string day = Fresh("day");
  const std::string outside = Fresh("outside");
  sandbox::WriteFile(outside + "/sub/Thumbs.db", "x");
  sandbox::MakeDirs(outside + "/empty");
  fs::create_directory_symlink(outside, day + "/link");
  RemovalList list;
  for (const char* entry : {"/link/sub/Thumbs.db", "/link/sub/", "/link/empty/", "/link/", "/"}) list.Add(day + entry);
  list.RemoveNow();
  EXPECT_TRUE(fs::exists(outside + "/sub/Thumbs.db"));
  EXPECT_TRUE(fs::exists(outside + "/empty"));
}

TEST(RemovalList, EmptiesItselfWhenDestroyed) {
  const std::string root = Fresh("end");
  sandbox::WriteFile(root + "/w/f.txt", "x");
  {
    RemovalList list;
    list.Add(root + "/w");
    list.Add(root + "/w/f.txt");
  }
  EXPECT_FALSE(fs::exists(root + "/w"));
}

}  // namespace publish
