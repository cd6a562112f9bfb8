#include <gtest/gtest.h>

#include "htmout/thumbnails.h"
#include "htmout/web_root.h"
#include "page_fixture.h"

TEST(WebRoot, FolderWordsStagingFoldersAndTheFirstComponent) {
  const std::pair<const char*, const char*> cases[] = {
      // The deepest folder word ends the root.
      {"/srv/www/site/public/x/a.png", "/srv/www/site/public"},
      {"D:/Users/me/Documents/site/a.png", "D:/Users/me/Documents"},
      {"/home/me/Google Drive/a.png", "/home/me/Google Drive"},
      {"//server/share/Dropbox/a.png", "//server/share/Dropbox"},
      {"/tmp/z_Suite.tmp/wx_pub/20261206/194905/a.png", "/tmp/z_Suite.tmp"},
      {"/tmp/Z_SUITE.TMP/wx_pub/a.png", "/tmp/Z_SUITE.TMP"},
      // Without a word only the first component remains; it is never tested.
      {"D:/data/a/photo.jpg", "D:"},
      {"/data/a/photo.jpg", ""},
      {"/data/x\\WWWROOT/photo.jpg", ""},   // '\' is part of the folder name
      {"www/a/photo.jpg", "www"},
  };
  for (const auto& [path, root] : cases)
    EXPECT_EQ(WebRootOfText(path, true), root) << path;
}

TEST(WebRoot, OnlyARegularFileLosesItsName) {
  EXPECT_EQ(WebRootOfText("D:/x/www", true), "D:");
  EXPECT_EQ(WebRootOfText("D:/x/www", false), "D:/x/www");
  EXPECT_EQ(WebRootOfText("D:/x/www/", false), "D:/x/www");
}

TEST(WebRoot, TheConfiguredRootWinsForEveryPath) {
  page_test::SetFilePath("htm_out_root", "/srv/site");
  EXPECT_EQ(HT_Web_root("/tmp/z_Suite.tmp/wx_pub/a.png"), "/srv/site");
}
