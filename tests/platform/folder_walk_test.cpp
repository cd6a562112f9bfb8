#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "platform/folder_walk.h"
#include "support/sandbox.h"

namespace {

std::vector<std::string> Sorted(std::vector<std::string> list) {
  std::sort(list.begin(), list.end());
  return list;
}

}  // namespace

TEST(FolderListing, EntriesAreFullPathsAndFoldersEndWithASeparator) {
  const std::string root = sandbox::Path("list");
  sandbox::WriteFile(root + "/file.txt", "f");
  sandbox::WriteFile(root + "/noext", "n");
  sandbox::MakeDirs(root + "/sub");
  const std::vector<std::string> expected{root + "/file.txt", root + "/noext", root + "/sub/"};
  EXPECT_EQ(Sorted(platform::ListFolder(root)), expected);
  EXPECT_TRUE(platform::ListFolder(sandbox::Path("missing/x")).empty());
}

TEST(FolderListing, FilterMatchesTheFileNameIgnoringCase) {
  const std::vector<std::string> paths{"/a/x.TXT", "/a.txt/y.htm", "/a/z.txt.bak", "/a/txt", "/b/Q.Txt"};
  EXPECT_EQ(platform::FilterFiles(paths, "*.txt"), (std::vector<std::string>{"/a/x.TXT", "/b/Q.Txt"}));
}

TEST(FolderListing, EnumerateFoldersIsBreadthFirstAndDoesNotFollowLinks) {
  const std::string root = sandbox::Path("tree");
  for (const char* folder : {"a/a1/a11", "a/a2", "b/b1", "c"}) sandbox::MakeDirs(root + "/" + folder);
  for (const char* link : {"/a/self", "/a/again"}) std::filesystem::create_directory_symlink(".", root + link);
  sandbox::WriteFile(root + "/a/file", "not a folder");
  std::vector<std::string> list;
  platform::EnumerateFolders(list, root);
  ASSERT_EQ(list.size(), 7u);
  const std::vector<std::string> top(list.begin(), list.begin() + 3);
  EXPECT_EQ(Sorted(top), (std::vector<std::string>{root + "/a/", root + "/b/", root + "/c/"}));
  const std::vector<std::string> second(list.begin() + 3, list.begin() + 6);
  EXPECT_EQ(Sorted(second), (std::vector<std::string>{root + "/a/a1/", root + "/a/a2/", root + "/b/b1/"}));
  EXPECT_EQ(list[6], root + "/a/a1/a11/");
}
