#include <gtest/gtest.h>

#include "html/escape.h"

TEST(Escape, NamesOfSafeCharactersPassUnchanged) {
  for (const char* name : {"Photo_01-a.b.PNG", "index.htm", "x", ""}) {
    EXPECT_EQ(html::EscapeText(name), name);
    EXPECT_EQ(html::EscapeAddress(name), name);
  }
  // Separators of a thumbnail address and non-ASCII names stay as they are.
  EXPECT_EQ(html::EscapeAddress("../../images/x/a.png.jpg"), "../../images/x/a.png.jpg");
  EXPECT_EQ(html::EscapeAddress("写真.png"), "写真.png");
}

TEST(Escape, MarkupInANameBecomesText) {
  EXPECT_EQ(html::EscapeText("<img src=x onerror=alert(1)>.png"), "&lt;img src=x onerror=alert(1)&gt;.png");
  EXPECT_EQ(html::EscapeText("a\"b.png"), "a&quot;b.png");
  EXPECT_EQ(html::EscapeText("R&D.txt"), "R&amp;D.txt");
  EXPECT_EQ(html::EscapeText("it's.txt"), "it's.txt");
}

TEST(Escape, AddressesKeepTheirMeaningAsRelativeFileNames) {
  EXPECT_EQ(html::EscapeAddress("50%.png"), "50%25.png");
  EXPECT_EQ(html::EscapeAddress("a#1.png"), "a%231.png");
  EXPECT_EQ(html::EscapeAddress("why?.txt"), "why%3F.txt");
  EXPECT_EQ(html::EscapeAddress("a b.png"), "a%20b.png");
  EXPECT_EQ(html::EscapeAddress("tab\there\x7f.txt"), "tab%09here%7F.txt");
  // A colon would make the name a scheme: "javascript:..." must stay a file.
  EXPECT_EQ(html::EscapeAddress("javascript:alert(1)"), "javascript%3Aalert(1)");
  // After percent-encoding, the address is attribute text.
  EXPECT_EQ(html::EscapeAddress("a\"b&c<d>.png"), "a&quot;b&amp;c&lt;d&gt;.png");
  EXPECT_EQ(html::EscapeAddress("<img src=x onerror=alert(1)>.png"),
            "&lt;img%20src=x%20onerror=alert(1)&gt;.png");
}
