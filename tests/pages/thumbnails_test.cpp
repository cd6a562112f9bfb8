#include <gtest/gtest.h>

#include "htmout/thumbnails.h"
#include "htmout/web_root.h"
#include "page_fixture.h"
#include "platform/file_services.h"
#include "support/sandbox.h"

using page_test::MakeFile;
using page_test::SetFilePath;

TEST(ThumbPath, MirrorsThePathBelowTheWebRootAndMakesItsFolder) {
  const std::string root = sandbox::Path("www");
  const std::string photo = root + "/site/a/photo.jpg";
  MakeFile(photo);
  EXPECT_EQ(HT_Thumb_path(photo), root + "/images/site/a/photo.jpg.jpg");
  EXPECT_TRUE(FolderExists(root + "/images/site/a"));
  EXPECT_EQ(HT_Web_root(photo), root);
}

TEST(ThumbPath, TheConfiguredExtensionAndTheAlternativesAreFound) {
  SetFilePath("htm_out_thumb_ext", "png");
  const std::string root = sandbox::Path("www");
  MakeFile(root + "/a.jpg");
  EXPECT_EQ(HT_Thumb_path(root + "/a.jpg"), root + "/images/a.jpg.png");
  EXPECT_FALSE(HT_Has_thumb(root + "/a.jpg"));
  EXPECT_EQ(HT_Find_thumb(root + "/a.jpg"), "");

  MakeFile(root + "/images/a.jpg.jpg");
  EXPECT_TRUE(HT_Has_thumb(root + "/a.jpg"));
  EXPECT_EQ(HT_Find_thumb(root + "/a.jpg"), root + "/images/a.jpg.jpg");
  // The expected name comes before its alternatives.
  MakeFile(root + "/images/a.jpg.png");
  EXPECT_EQ(HT_Find_thumb(root + "/a.jpg"), root + "/images/a.jpg.png");
}

TEST(ThumbPath, LeftoverDibThumbnailsAreRemoved) {
  const std::string root = sandbox::Path("www");
  MakeFile(root + "/a.jpg");
  MakeFile(root + "/images/a.jpg.dib");
  MakeFile(root + "/images/a.jpg.dib.jpg");
  MakeFile(root + "/images/a.jpg.jpg");
  HT_Thumb_path(root + "/a.jpg");
  EXPECT_FALSE(FileExists(root + "/images/a.jpg.dib"));
  EXPECT_FALSE(FileExists(root + "/images/a.jpg.dib.jpg"));
  EXPECT_TRUE(FileExists(root + "/images/a.jpg.jpg"));
}

TEST(ThumbPath, WithoutWebRootTheThumbnailSitsInImagesNextToTheFile) {
  if (!WebRootOfText(sandbox::Root(), false).empty())
    GTEST_SKIP() << "the build folder lies below a web-root folder word";
  const std::string folder = sandbox::Path("plain");
  MakeFile(folder + "/a b.png");
  EXPECT_EQ(HT_Thumb_path(folder + "/a b.png"), folder + "/images/a_b.png.jpg");
  EXPECT_FALSE(FolderExists(folder + "/images"));
}

TEST(ThumbUrl, LeadsFromThePageUpToTheImagesTree) {
  const std::string root = sandbox::Path("www");
  MakeFile(root + "/a.png");
  MakeFile(root + "/images/a.png.jpg");
  // Normalising keeps an empty second piece, as for a network path.
  EXPECT_EQ(HT_Thumb_url(root + "/a.png"), ".//images/a.png.jpg");

  // One "../" per piece below the root, the empty piece before the first
  // separator included.
  MakeFile(root + "/x/b.png");
  MakeFile(root + "/images/x/b.png.jpg");
  EXPECT_EQ(HT_Thumb_url(root + "/x/b.png"), "../../images/x/b.png.jpg");
  EXPECT_EQ(HT_Thumb_url(root + "/x/b.png", root + "/a.png"), ".//images/x/b.png.jpg");

  MakeFile(root + "/c.png");
  EXPECT_EQ(HT_Thumb_url(root + "/c.png"), "");
}
