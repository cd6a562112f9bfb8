#include <gtest/gtest.h>

#include "htmout/page_lists.h"
#include "htmout/split_by_ext.h"

TEST(PageLists, HtmlBeforeHtmWhateverTheListingOrder) {
  const PageLists lists = SortListing({"/f/c.txt", "/f/b.HTM", "/f/x.svg", "/f/xhtml", "/f/a.html", "/f/sub/"});
  EXPECT_EQ(lists.images, (std::vector<std::string>{"/f/x.svg"}));
  EXPECT_EQ(lists.html, (std::vector<std::string>{"/f/xhtml", "/f/a.html", "/f/b.HTM"}));
  // "xhtml" has no ".html" ending, so it is also a rest entry.
  EXPECT_EQ(lists.rest, (std::vector<std::string>{"/f/c.txt", "/f/xhtml", "/f/sub/"}));
}

TEST(SplitByExt, PrefixAndSuffixIgnoreCaseAndKeepOrder) {
  const auto [matching, others] =
      HT_Split_by_ext({"/f/IMG_2.Txt", "/f/x/img_1.txt", "/f/img.txt/", "/f/img_3.md"}, "img_", ".TXT");
  EXPECT_EQ(matching, (std::vector<std::string>{"/f/IMG_2.Txt", "/f/x/img_1.txt"}));
  EXPECT_EQ(others, (std::vector<std::string>{"/f/img.txt/", "/f/img_3.md"}));
}

TEST(SplitByExt, ImagesByTheirExtensionOnly) {
  const auto [images, others] =
      HT_Split_images({"/f/a.PNG", "/f/b.jpeg", "/f/c.Jpg", "/f/d.bmp", "/f/e.svg", "/f/png", "/f/g.png/"});
  EXPECT_EQ(images, (std::vector<std::string>{"/f/a.PNG", "/f/c.Jpg", "/f/d.bmp", "/f/e.svg"}));
  EXPECT_EQ(others, (std::vector<std::string>{"/f/b.jpeg", "/f/png", "/f/g.png/"}));
}
