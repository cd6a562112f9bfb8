#include "platform/utf.h"

#include <gtest/gtest.h>

TEST(Utf, RoundTripsBmpAndSupplementaryCharacters) {
  const std::string text = "a\xE3\x81\x82\xF0\x9F\x98\x80z";  // a, あ, U+1F600, z
  const std::u16string units = Utf8ToUtf16(text);
  ASSERT_EQ(units.size(), 5u);  // the emoji takes two units
  EXPECT_EQ(units[2], 0xD83D);
  EXPECT_EQ(units[3], 0xDE00);
  EXPECT_EQ(Utf16ToUtf8(units), text);
}

TEST(Utf, InvalidBytesBecomeReplacementCharacters) {
  // stray continuation, overlong form, truncated sequence at the end, encoded surrogate
  EXPECT_EQ(SanitizeUtf8("a\x80" "b"), "a\xEF\xBF\xBD" "b");
  EXPECT_EQ(SanitizeUtf8("\xC0\xAF"), "\xEF\xBF\xBD\xEF\xBF\xBD");
  EXPECT_EQ(SanitizeUtf8("x\xE3\x81"), "x\xEF\xBF\xBD\xEF\xBF\xBD");
  EXPECT_EQ(Utf8ToUtf16("\xED\xA0\x80"), std::u16string(3, u'\xFFFD'));
  EXPECT_EQ(Utf16ToUtf8(std::u16string(1, u'\xD800')), "\xEF\xBF\xBD");
}

TEST(Utf, OrdersLikeUtf16CodeUnits) {
  // UTF-16 puts the surrogate 0xD83D before 0xFF61, code points put U+FF61 first.
  const std::string halfwidth = "\xEF\xBD\xA1";
  const std::string emoji = "\xF0\x9F\x98\x80";
  EXPECT_TRUE(LessByUtf16(emoji, halfwidth));
  EXPECT_FALSE(LessByUtf16(halfwidth, emoji));
  EXPECT_TRUE(LessByUtf16("A", "a"));
  EXPECT_TRUE(LessByUtf16("ab", "abc"));
}
