#include <gtest/gtest.h>

#include "platform/utf.h"
#include "upfile/upload_settings.h"

TEST(NameTo7bit, MapsEveryPrintableAsciiCharacter) {
  const std::string printable =
      " !\"#$%&'()*+,-./0123456789:;<=>?@ABCDEFGHIJKLMNOPQRSTUVWXYZ[\\]^_`abcdefghijklmnopqrstuvwxyz{|}~";
  const std::string expected =
      "_123456789abc-.f0123456789abcdef0ABCDEFGHIJKLMNOPQRSTUVWXYZbcde_0abcdefghijklmnopqrstuvwxyzbcde";
  EXPECT_EQ(NameTo7bit(printable), expected);
  EXPECT_EQ(NameTo7bit("a b.txt"), "a_b.txt");
  EXPECT_EQ(NameTo7bit("x:y"), "xay");
  EXPECT_EQ(NameTo7bit("C:\\dir/file?.htm"), "Cacdirffilef.htm");
}

TEST(NameTo7bit, ControlCharactersAndDeleteFoldIntoPrintableRange) {
  // 0x00 -> blank, 0x01 -> '!', 0x1F -> '?', 0x7F -> '~'
  EXPECT_EQ(NameTo7bit(std::string("\x01\x1F\x7F", 3)), "1fe");
  EXPECT_EQ(NameTo7bit(std::string("a\0b", 3)), "a_b");
}

TEST(NameTo7bit, CharactersOutsideAsciiUseTheirLowSevenBitsPerCodeUnit) {
  EXPECT_EQ(NameTo7bit("\xE3\x81\x82"), "B");                 // U+3042 & 127 = 'B'
  EXPECT_EQ(NameTo7bit("\xE3\x81\x84\xE3\x81\x86"), "DF");    // U+3044, U+3046
  EXPECT_EQ(NameTo7bit("\xC3\xA9"), "i");                     // U+00E9 & 127 = 'i'
  EXPECT_EQ(NameTo7bit("\xEF\xBD\xA1"), "a");                 // U+FF61 & 127 = 'a'
  // U+1F600 is the pair D83D DE00: '=' -> 'd', 0 -> blank -> '_'.
  EXPECT_EQ(NameTo7bit("x\xF0\x9F\x98\x80.png"), "xd_.png");
}

TEST(NameTo7bit, ResultHoldsOnlySafeCharactersForAnyCodeUnit) {
  std::u16string all;
  for (unsigned unit = 1; unit < 0x10000; ++unit) {
    if (unit < 0xD800 || unit > 0xDFFF) all += static_cast<char16_t>(unit);
  }
  const std::string result = NameTo7bit(Utf16ToUtf8(all));
  EXPECT_EQ(result.size(), all.size());
  for (char c : result) {
    const bool safe = (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '.' ||
                      c == '_' || c == '-';
    ASSERT_TRUE(safe) << "unexpected character " << static_cast<int>(c);
  }
}
