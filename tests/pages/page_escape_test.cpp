#include <gtest/gtest.h>

#include "htmout/page_escape.h"

TEST(PageEscape, NamesOfSafeCharactersPassUnchanged) {
  for (const char* name : {"Photo_01-a.b.PNG", "index.htm", "x", ""}) {
    EXPECT_EQ(HT_Escape_text(name), name);
    EXPECT_EQ(HT_Escape_href(name), name);
  }
  // Separators of a thumbnail address and non-ASCII names stay as they are.
  EXPECT_EQ(HT_Escape_href("../../images/x/a.png.jpg"), "../../images/x/a.png.jpg");
  EXPECT_EQ(HT_Escape_href("写真.png"), "写真.png");
}

TEST(PageEscape, MarkupInANameBecomesText) {
  EXPECT_EQ(HT_Escape_text("<img src=x onerror=alert(1)>.png"), "&lt;img src=x onerror=alert(1)&gt;.png");
  EXPECT_EQ(HT_Escape_text("a\"b.png"), "a&quot;b.png");
  EXPECT_EQ(HT_Escape_text("R&D.txt"), "R&amp;D.txt");
  EXPECT_EQ(HT_Escape_text("it's.txt"), "it's.txt");
}

TEST(PageEscape, AddressesKeepTheirMeaningAsRelativeFileNames) {
  EXPECT_EQ(HT_Escape_href("50%.png"), "50%25.png");
  EXPECT_EQ(HT_Escape_href("a#1.png"), "a%231.png");
  EXPECT_EQ(HT_Escape_href("why?.txt"), "why%3F.txt");
  EXPECT_EQ(HT_Escape_href("a b.png"), "a%20b.png");
  EXPECT_EQ(HT_Escape_href("tab\there\x7f.txt"), "tab%09here%7F.txt");
  // A colon would make the name a scheme: "javascript:..." must stay a file.
  EXPECT_EQ(HT_Escape_href("javascript:alert(1)"), "javascript%3Aalert(1)");
  // After percent-encoding, the address is attribute text.
  EXPECT_EQ(HT_Escape_href("a\"b&c<d>.png"), "a&quot;b&amp;c&lt;d&gt;.png");
  EXPECT_EQ(HT_Escape_href("<img src=x onerror=alert(1)>.png"),
            "&lt;img%20src=x%20onerror=alert(1)&gt;.png");
}
