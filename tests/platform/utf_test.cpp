#include "platform/utf.h"

#include <gtest/gtest.h>

TEST(Utf, RoundTripsOrdersByUnitsAndKeepsInvalidBytesApart) {
  const std::string text = "a\xE3\x81\x82\xF0\x9F\x98\x80z";  // a, あ, U+1F600, z
  const std::u16string units = platform::Utf8ToUtf16(text);
  EXPECT_EQ(units, (std::u16string{u'a', u'\x3042', 0xD83D, 0xDE00, u'z'}));
  EXPECT_EQ(platform::Utf16ToUtf8(units), text);

  // UTF-16 puts the surrogate 0xD83D before U+FF61, code point order would not.
  EXPECT_TRUE(platform::LessByUtf16("\xF0\x9F\x98\x80", "\xEF\xBD\xA1"));
  EXPECT_FALSE(platform::LessByUtf16("\xEF\xBD\xA1", "\xF0\x9F\x98\x80"));
  EXPECT_TRUE(platform::LessByUtf16("\xF0\x9F\x98\x80", "\xFF"));  // and before an invalid byte's U+DCFF
  EXPECT_TRUE(platform::LessByUtf16("ab", "abc"));

  // Invalid bytes: each its own unit U+DC80 + byte, and the same bytes back.
  const std::string invalid = "\xFF\xFE\xC0\xAF\xE3\x81" "a\xED\xA0\x80";
  EXPECT_EQ(platform::Utf8ToUtf16(invalid),
            (std::u16string{0xDCFF, 0xDCFE, 0xDCC0, 0xDCAF, 0xDCE3, 0xDC81, u'a', 0xDCED, 0xDCA0, 0xDC80}));
  EXPECT_EQ(platform::Utf16ToUtf8(platform::Utf8ToUtf16(invalid)), invalid);

  // stray continuation, overlong form, truncated sequence, lone surrogate
  EXPECT_EQ(platform::SanitizeUtf8("a\x80"
                                   "b"),
            "a\xEF\xBF\xBD"
            "b");
  EXPECT_EQ(platform::SanitizeUtf8("\xC0\xAF"), "\xEF\xBF\xBD\xEF\xBF\xBD");
  EXPECT_EQ(platform::SanitizeUtf8("x\xE3\x81"), "x\xEF\xBF\xBD\xEF\xBF\xBD");
  EXPECT_EQ(platform::Utf16ToUtf8(std::u16string(1, u'\xD800')), "\xEF\xBF\xBD");
}
