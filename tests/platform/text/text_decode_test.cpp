#include <gtest/gtest.h>

#include "platform/text/text_decode.h"
#include "platform/text/utf.h"

using namespace platform;
using namespace std::string_literals;

namespace {

Bytes B(const std::string& text) { return Bytes(text.begin(), text.end()); }
// The family's code of the encoding.
int Detect(const std::string& text) { size_t markSize = 0; return static_cast<int>(DetectEncodingOf(B(text), markSize)); }

}  // namespace

// The bytes, the code the marks or byte patterns give, and the text up to the first zero character (nullptr: not checked).
TEST(DecodeText, AMarkOrTheBytePatternGivesTheEncoding) {
  const std::tuple<std::string, int, const char*> rows[] = {
      {"A\x93\xFA\x96\x7B", 74, "A日本"}, {"A\xE6\x97\xA5\xE6\x9C\xAC", 8, "A日本"},
      {"\xEF\xBB\xBF" "A\xE6\x97\xA5\xE6\x9C\xAC", 8, "A日本"},
      {"\xFF\xFE" "A\0\xE5\x65\x2C\x67"s, 16, "A日本"}, {"\xFE\xFF\0A\x65\xE5\x67\x2C"s, 17, "A日本"},
      {"\xFF\xFE\0\0" "A\0\0\0\xE5\x65\0\0\x2C\x67\0\0"s, 32, "A日本"},
      {"\0\0\xFE\xFF\0\0\0A\0\0\x65\xE5\0\0\x67\x2C\0\x01\xF6\x00"s, 33, "A日本\U0001F600"},
      {"\xFF\xFE\0\0\xFF\xFF\0\0\0\0\x01\0\xFF\xD7\0\0\0\xD8\0\0\xFF\xDF\0\0\0\xE0\0\0\xFF\xFF\x10\0\0\0\x11\0"s, 32,
       "\uFFFF\U00010000\uD7FF\uFFFD\uFFFD\uE000\U0010FFFF\uFFFD"},
      {"\xFF\xFE" "A\0B"s, 16, "AB"},  // the appended zero completes a last half unit
      {"ab\0cd"s, 65, "ab"}, {"\xFF\xFE" "a\0\0\0b\0"s, 16, "a"}, {"\xFF\xFE\0\0" "a\0\0\0\0\0\0\0b\0\0\0"s, 32, "a"},
      {"\xEF\xBB\xBF" "a\xFF" "b", 8, "a\uFFFD" "b"}, {"\xFF\xFE\x00\xD8" "a\0"s, 16, "\uFFFD" "a"},
      {"\xFE", 17, ""},  // a byte beyond the end counts as FF
      {"ends with \xE9", 65, nullptr},
      {"\x81@", 74, "\u3000"},  // both trail ranges start at 0x40
      {"\xE0@", 74, nullptr},    {"\x9F~", 74, nullptr},    {"\x81\xFC", 74, nullptr}, {"\xE0~", 74, nullptr},
      {"\xFC\xFC", 74, nullptr}, {"\x81\x80", 74, nullptr}, {"\xE0\xC0", 74, nullptr},
      {"\x80\x80\x7F\x81@", 74, nullptr},  // a run of high bytes ends before 0x7F
      {"\x80@ \x81? \x81\x7F \xA0@ \xDF@ \xE0? \xE0\x7F \xE0\xBF  \xFD@ \x81\xFD  \xE0\xFD", 0, nullptr},  // no pair
      {"\xC0\x80\xDF\x80\xE0\x80\x80\xEF\x80\x80\xF0\x80\x80\x80\xF7\x80\x80\x80", 8, nullptr},  // every lead range
      {"\xF8\x80\x80\x80\x80\xFB\x80\x80\x80\x80\xFC\x80\x80\x80\x80\x80\xFD\x80\x80\x80\x80\x80", 8, nullptr},
      {"a\xC3\x7F", 0, nullptr}, {"a\xC3\xC0", 0, nullptr}, {"\xBF\x80", 0, nullptr},
      {"caf\xE9 \x82", 0, "caf\uFFFD \uFFFD"},
  };
  for (const auto& [bytes, code, text] : rows) {
    EXPECT_EQ(Detect(bytes), code) << bytes;
    if (text) { EXPECT_EQ(DecodeText(B(bytes)), text) << bytes; }
  }
  // A partial last unit is never read, nor anything past it.
  EXPECT_EQ(DecodeAs(Encoding::Utf16Le, B("A\0B"s)), "A");
  EXPECT_EQ(DecodeAs(Encoding::Utf32Le, B("A\0\0\0B\0\0"s)), "A");
}

TEST(Utf, WellFormedSequencesDecodeEveryOtherByteIsAnEscapedUnitAndSortingFollowsUnits) {
  const std::pair<std::string, std::u16string> rows[] = {
      {"\x7F\xC2\x80\xDF\xBF\xE0\xA0\x80\xED\x9F\xBF\xEE\x80\x80\xEF\xBF\xBF", u"\x7F\x80\x7FF\x800\xD7FF\xE000\xFFFF"},
      {"\xF0\x90\x80\x80\xF4\x8F\xBF\xBF", u"\xD800\xDC00\xDBFF\xDFFF"},
      {"\x80\xC1\xBF\xC3(", u"\xDC80\xDCC1\xDCBF\xDCC3("},                      // stray, overlong, cut short
      {"\xE0\x9F\xBF\xED\xA0\x80", u"\xDCE0\xDC9F\xDCBF\xDCED\xDCA0\xDC80"},     // overlong, surrogate
      {"\xF0\x8F\xBF\xBF\xF4\x90\x80", u"\xDCF0\xDC8F\xDCBF\xDCBF\xDCF4\xDC90\xDC80"},  // overlong, too large
      {"\xF5\x80\xE3\x81", u"\xDCF5\xDC80\xDCE3\xDC81"},
  };
  for (const auto& [text, units] : rows) {
    EXPECT_EQ(Utf8ToUtf16(text), units) << text;
    EXPECT_EQ(Utf16ToUtf8(units), text) << text;
  }
  EXPECT_EQ(Utf16ToUtf8(u"\xDC7F\xDD00\xDFFF\xD800" "a\xDBFF"), "\uFFFD\uFFFD\uFFFD\uFFFD" "a\uFFFD");
  // Sorting follows UTF-16 units: U+D83D of U+1F600 before an invalid byte's U+DCFF, also after a common start.
  EXPECT_TRUE(LessByUtf16("x\xF0\x9F\x98\x80", "x\xFF"));
  EXPECT_TRUE(LessByUtf16("a\xC3\xA9", "a\xC3\xAA"));
  EXPECT_FALSE(LessByUtf16("a\xC3\xA9", "a\xC3\xA9"));
  EXPECT_EQ(SanitizeUtf8("a\x80" "b\xC0\xAF" "c\xE3\x81\xE3\x81\x82"), "a\uFFFD" "b\uFFFD\uFFFD" "c\uFFFD\uFFFDあ");
}

