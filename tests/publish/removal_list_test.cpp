#include "publish/removal_list.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/sandbox.h"

namespace fs = std::filesystem;

namespace publish {

// The upload runs show that contents go before their folder.
TEST(RemovalList, KeepsAFolderThatStillHoldsFilesForALaterCall) {
  // Reached through a link above the listed folders, as a temporary folder may be.
  fs::create_directories(sandbox::Path("real"));
  fs::create_directory_symlink(sandbox::Path("real"), sandbox::Path("via"));
  const std::string root = sandbox::Path("via/removal");
  sandbox::WriteFile(root + "/listed.txt", "x");
  sandbox::WriteFile(root + "/unlisted.txt", "y");
  {
    RemovalList list;
    for (const char* entry : {"/", "/listed.txt", "/", "/missing/"}) list.Add(root + entry);
    list.RemoveNow();
    EXPECT_FALSE(fs::exists(root + "/listed.txt"));
    EXPECT_TRUE(fs::exists(root + "/unlisted.txt"));
    fs::remove(root + "/unlisted.txt");
  }   // the list's end removes what it kept
  EXPECT_FALSE(fs::exists(root));
}

// What a walk through a link planted in the day folder would list.
TEST(RemovalList, NeverRemovesAnythingReachedThroughALink) {
  const std::string day = sandbox::Path("day"), outside = sandbox::Path("outside");
  sandbox::WriteFile(outside + "/sub/Thumbs.db", "x");
  fs::create_directories(outside + "/empty");
  fs::create_directories(day);
  fs::create_directory_symlink(outside, day + "/link");
  RemovalList list;
  for (const char* entry : {"/link/sub/Thumbs.db", "/link/sub/", "/link/empty/", "/link/", "/"}) list.Add(day + entry);
  list.RemoveNow();
  EXPECT_TRUE(fs::exists(outside + "/sub/Thumbs.db"));
  EXPECT_TRUE(fs::exists(outside + "/empty"));
}

}  // namespace publish
