#include "publish/thumb_finder.h"

#include <gtest/gtest.h>

#include "platform/file_status.h"
#include "support/page_fixture.h"
#include "support/sandbox.h"

using page_test::MakeFile;

namespace publish {
namespace {

// Files and their thumbnails share one time, so that none counts as stale.
constexpr int64_t kTime = 1000000000;

// A fresh look-up each time: a ThumbFinder keeps what it has seen of the folders.
std::string Address(const std::string& path, ThumbSettings settings = {}) {
  return ThumbFinder(std::move(settings)).Address(path);
}

}  // namespace

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

TEST(ThumbFinder, MirrorsThePathBelowTheWebRootAndMakesItsFolder) {
  const std::string root = sandbox::Path("www");
  MakeFile(root + "/site/a/photo.jpg", "x", kTime);
  EXPECT_EQ(Address(root + "/site/a/photo.jpg"), "");
  EXPECT_TRUE(platform::FolderExists(root + "/images/site/a"));
  MakeFile(root + "/images/site/a/photo.jpg.jpg", "x", kTime);
  EXPECT_EQ(Address(root + "/site/a/photo.jpg"), "../../../images/site/a/photo.jpg.jpg");
}

TEST(ThumbFinder, TheConfiguredExtensionAndTheAlternativesAreFound) {
  const ThumbSettings png{"", "png"};
  const std::string root = sandbox::Path("www");
  MakeFile(root + "/a.jpg", "x", kTime);
  EXPECT_EQ(Address(root + "/a.jpg", png), "");
  MakeFile(root + "/images/a.jpg.jpg", "x", kTime);
  EXPECT_EQ(Address(root + "/a.jpg", png), ".//images/a.jpg.jpg");
  // The expected name comes before its alternatives.
  MakeFile(root + "/images/a.jpg.png", "x", kTime);
  EXPECT_EQ(Address(root + "/a.jpg", png), ".//images/a.jpg.png");
}

TEST(ThumbFinder, TheConfiguredRootWinsForEveryPath) {
  const std::string site = sandbox::Path("site");
  MakeFile(site + "/x/a.png", "x", kTime);
  MakeFile(site + "/images/x/a.png.jpg", "x", kTime);
  EXPECT_EQ(Address(site + "/x/a.png", {site, "jpg"}), "../../images/x/a.png.jpg");
}

TEST(ThumbFinder, LeftoverDibThumbnailsAreRemoved) {
  const std::string root = sandbox::Path("www");
  MakeFile(root + "/a.jpg", "x", kTime);
  MakeFile(root + "/images/a.jpg.dib");
  MakeFile(root + "/images/a.jpg.dib.jpg");
  MakeFile(root + "/images/a.jpg.jpg", "x", kTime);
  EXPECT_EQ(Address(root + "/a.jpg"), ".//images/a.jpg.jpg");
  EXPECT_FALSE(platform::FileExists(root + "/images/a.jpg.dib"));
  EXPECT_FALSE(platform::FileExists(root + "/images/a.jpg.dib.jpg"));
}

TEST(ThumbFinder, WithoutWebRootTheThumbnailSitsInImagesNextToTheFile) {
  if (!WebRootOfText(sandbox::Root(), false).empty())
    GTEST_SKIP() << "the build folder lies below a web-root folder word";
  const std::string folder = sandbox::Path("plain");
  MakeFile(folder + "/a b.png", "x", kTime);
  EXPECT_EQ(Address(folder + "/a b.png"), "");
  EXPECT_FALSE(platform::FolderExists(folder + "/images"));
  MakeFile(folder + "/images/a_b.png.jpg", "x", kTime);
  EXPECT_TRUE(Address(folder + "/a b.png").ends_with("/plain/images/a_b.png.jpg"));
}

TEST(ThumbFinder, AddressesLeadFromThePageUpToTheImagesTree) {
  const std::string root = sandbox::Path("www");
  MakeFile(root + "/a.png", "x", kTime);
  MakeFile(root + "/images/a.png.jpg", "x", kTime);
  // Normalising keeps an empty second piece, as for a network path.
  EXPECT_EQ(Address(root + "/a.png"), ".//images/a.png.jpg");
  // One "../" per piece below the root, the empty piece before the first
  // separator included.
  MakeFile(root + "/x/b.png", "x", kTime);
  MakeFile(root + "/images/x/b.png.jpg", "x", kTime);
  EXPECT_EQ(Address(root + "/x/b.png"), "../../images/x/b.png.jpg");
}

TEST(ThumbFinder, AStaleThumbnailIsRemovedAndTheFileHasNone) {
  const std::string root = sandbox::Path("www");
  MakeFile(root + "/stale.txt", "x", kTime);
  MakeFile(root + "/images/stale.txt.jpg", "x", kTime + 5);
  MakeFile(root + "/fresh.txt", "x", kTime);
  MakeFile(root + "/images/fresh.txt.jpg", "x", kTime + 2);
  EXPECT_EQ(Address(root + "/stale.txt"), "");
  EXPECT_FALSE(platform::FileExists(root + "/images/stale.txt.jpg"));
  EXPECT_EQ(Address(root + "/fresh.txt"), ".//images/fresh.txt.jpg");
}

}  // namespace publish
