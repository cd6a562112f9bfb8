#include <gtest/gtest.h>

#include "htmout/web_root.h"

TEST(WebRoot, StopsAtTheDeepestFolderWord) {
  EXPECT_EQ(WebRootOfText("/srv/www/site/public/x/a.png", true), "/srv/www/site/public");
  EXPECT_EQ(WebRootOfText("D:/Users/me/Documents/site/a.png", true), "D:/Users/me/Documents");
  EXPECT_EQ(WebRootOfText("/home/me/Google Drive/a.png", true), "/home/me/Google Drive");
  EXPECT_EQ(WebRootOfText("D:\\data\\WWWROOT\\a\\b.png", true), "D:/data/WWWROOT");
  EXPECT_EQ(WebRootOfText("//server/share/Dropbox/a.png", true), "//server/share/Dropbox");
}

TEST(WebRoot, StagingFoldersFindTheProgramTemporaryFolder) {
  EXPECT_EQ(WebRootOfText("/tmp/z_Suite.tmp/wx_pub/20261206/194905/a.png", true), "/tmp/z_Suite.tmp");
  EXPECT_EQ(WebRootOfText("/tmp/Z_SUITE.TMP/wx_pub/a.png", true), "/tmp/Z_SUITE.TMP");
}

TEST(WebRoot, WithoutAFolderWordOnlyTheFirstComponentRemains) {
  EXPECT_EQ(WebRootOfText("D:/data/a/photo.jpg", true), "D:");
  EXPECT_EQ(WebRootOfText("/data/a/photo.jpg", true), "");
  // The first component is never tested.
  EXPECT_EQ(WebRootOfText("www/a/photo.jpg", true), "www");
}

TEST(WebRoot, OnlyARegularFileLosesItsName) {
  EXPECT_EQ(WebRootOfText("D:/x/www", true), "D:");
  EXPECT_EQ(WebRootOfText("D:/x/www", false), "D:/x/www");
  EXPECT_EQ(WebRootOfText("D:/x/www/", false), "D:/x/www");
}
