#include "publish/thumb_finder.h"

#include <gtest/gtest.h>

#include "platform/fs/file_status.h"
#include "support/page_fixture.h"
#include "support/sandbox.h"

using page_test::MakeFile;

namespace publish {

TEST(WebRoot, FolderWordsStagingFoldersAndTheFirstComponent) {
  const std::tuple<const char*, bool, const char*> cases[] = {
      // The deepest folder word ends the root.
      {"//srv/www/Google Drive/x/a.png", true, "//srv/www/Google Drive"},
      {"/tmp/Z_SUITE.TMP/wx_pub/20261206/194905/a.png", true, "/tmp/Z_SUITE.TMP"},
      // Without a word only the first component remains; it is never tested.
      {"www/a/photo.jpg", true, "www"},
      {"/data/x\\WWWROOT/photo.jpg", true, ""},   // '\' is part of the folder name
      // Only a regular file loses its name.
      {"D:/x/www", true, "D:"}, {"D:/x/www", false, "D:/x/www"}, {"D:/x/www/", false, "D:/x/www"},
  };
  for (const auto& [path, isFile, root] : cases) EXPECT_EQ(WebRootOfText(path, isFile), root) << path;
}

// Files of a row: name and time in seconds after kTime. After it, "+name"
// must exist and "-name" must be gone.
TEST(ThumbFinder, FindsTheThumbnailBelowTheWebRootAndClearsOldAndStaleOnes) {
  constexpr int64_t kTime = 1000000000;   // a whole 4-second step
  const struct {
    std::vector<std::pair<std::string, int>> files;   // the first is the one looked up
    ThumbSettings settings;
    std::string address;
    std::vector<std::string> after{};
  } cases[] = {
      {{{"www/site/a/photo.jpg", 0}}, {}, "", {"+www/images/site/a"}},
      {{{"www/site/a/photo.jpg", 0}, {"www/images/site/a/photo.jpg.jpg", 0}}, {}, "../../../images/site/a/photo.jpg.jpg"},
      {{{"www/a.jpg", 0}, {"www/images/a.jpg.jpg", 0}}, {"", "png"}, ".//images/a.jpg.jpg"},
      // The configured extension comes before its alternatives.
      {{{"www/a.jpg", 0}, {"www/images/a.jpg.jpg", 0}, {"www/images/a.jpg.png", 0}}, {"", "png"}, ".//images/a.jpg.png"},
      // The configured root wins for every path.
      {{{"site/x/a.png", 0}, {"site/images/x/a.png.jpg", 0}}, {"site", "jpg"}, "../../images/x/a.png.jpg"},
      {{{"www/a.jpg", 0}, {"www/images/a.jpg.dib", 0}, {"www/images/a.jpg.dib.jpg", 0}, {"www/images/a.jpg.jpg", 0}},
       {}, ".//images/a.jpg.jpg", {"-www/images/a.jpg.dib", "-www/images/a.jpg.dib.jpg"}},
      {{{"www/stale.txt", 0}, {"www/images/stale.txt.jpg", 4}}, {}, "", {"-www/images/stale.txt.jpg"}},
      {{{"www/fresh.txt", 0}, {"www/images/fresh.txt.jpg", 3}}, {}, ".//images/fresh.txt.jpg"},
  };
  for (int row = 1; auto c : cases) {
    const std::string base = sandbox::Path("thumbs" + std::to_string(row++) + "/");
    for (const auto& [name, seconds] : c.files) MakeFile(base + name, "x", kTime + seconds);
    if (!c.settings.root.empty()) c.settings.root = base + c.settings.root;
    EXPECT_EQ(ThumbFinder(c.settings).Address(base + c.files[0].first), c.address) << base;
    for (const std::string& entry : c.after)
      EXPECT_EQ(platform::FileExists(base + entry.substr(1)), entry[0] == '+') << entry;
  }
}

}  // namespace publish
