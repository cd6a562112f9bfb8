#include <gtest/gtest.h>

#include "platform/path_text.h"

TEST(PathText, SeparatorsAndNormalizeKeepTheLeadingDoubleSeparator) {
  EXPECT_EQ(AddSeparator("a"), "a/");
  EXPECT_EQ(AddSeparator("a\\"), "a\\/");
  EXPECT_EQ(AddSeparator(""), "");
  EXPECT_EQ(RemoveSeparator("a//"), "a/");
  EXPECT_EQ(RemoveSeparator("a\\"), "a\\");
  EXPECT_EQ(NormalizePath("/a//b\\c/"), "/a/b\\c");
  EXPECT_EQ(NormalizePath("//server/share//x"), "//server/share/x");
  EXPECT_EQ(NormalizePath("///a"), "//a");
  EXPECT_EQ(NormalizePath("http://host//x/"), "http://host/x");
  EXPECT_EQ(NormalizePath("/"), "/");
}

TEST(PathText, FileNameAndStemSplitAtTheSlashOnly) {
  EXPECT_EQ(GetFileName("/d/a\\b.txt"), "a\\b.txt");
  EXPECT_EQ(GetFileName("plain"), "plain");
  EXPECT_EQ(GetFileName("/a/"), "");
  EXPECT_EQ(GetFileStem("/a/b.tar.gz"), "b.tar");
  EXPECT_EQ(GetFileStem("/a/noext"), "noext");
  EXPECT_EQ(GetFileStem("/a/what?.txt"), "");
  EXPECT_EQ(GetFolderPart("/a/b\\c.txt"), "/a");
  EXPECT_EQ(GetFolderPart("b.txt"), "");
}
