#include <gtest/gtest.h>

#include "platform/path_text.h"

TEST(PathText, SeparatorsAndNormalizeKeepTheLeadingDoubleSeparator) {
  EXPECT_EQ(platform::AddSeparator("a"), "a/");
  EXPECT_EQ(platform::AddSeparator("a\\"), "a\\/");
  EXPECT_EQ(platform::AddSeparator(""), "");
  EXPECT_EQ(platform::RemoveSeparator("a//"), "a/");
  EXPECT_EQ(platform::RemoveSeparator("a\\"), "a\\");
  EXPECT_EQ(platform::NormalizePath("/a//b\\c/"), "/a/b\\c");
  EXPECT_EQ(platform::NormalizePath("//server/share//x"), "//server/share/x");
  EXPECT_EQ(platform::NormalizePath("///a"), "//a");
  EXPECT_EQ(platform::NormalizePath("http://host//x/"), "http://host/x");
  EXPECT_EQ(platform::NormalizePath("/"), "/");
}

TEST(PathText, FileNameAndStemSplitAtTheSlashOnly) {
  EXPECT_EQ(platform::GetFileName("/d/a\\b.txt"), "a\\b.txt");
  EXPECT_EQ(platform::GetFileName("plain"), "plain");
  EXPECT_EQ(platform::GetFileName("/a/"), "");
  EXPECT_EQ(platform::GetFileStem("/a/b.tar.gz"), "b.tar");
  EXPECT_EQ(platform::GetFileStem("/a/noext"), "noext");
  EXPECT_EQ(platform::GetFileStem("/a/what?.txt"), "");
  EXPECT_EQ(platform::GetFolderPart("/a/b\\c.txt"), "/a");
  EXPECT_EQ(platform::GetFolderPart("b.txt"), "");
}
