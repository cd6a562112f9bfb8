#include <gtest/gtest.h>

#include "platform/cp932.h"
#include "platform/file_io.h"
#include "platform/text_decode.h"
#include "support/manual_clock.h"
#include "support/sandbox.h"

namespace {

platform::Bytes B(const std::string& text) { return platform::Bytes(text.begin(), text.end()); }

// Detection result together with the rewritten buffer.
std::pair<int, std::string> Detect(const std::string& text) {
  platform::Bytes bytes = B(text);
  const int code = platform::DetectEncoding(bytes);
  return {code, std::string(bytes.begin(), bytes.end())};
}

const std::string kSjisNihongo = "\x93\xFA\x96\x7B\x8C\xEA";  // 日本語
const std::string kUtf8Nihongo = "\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E";

}  // namespace

TEST(DetectEncoding, AMarkOrTheBytePatternGivesTheCode) {
  using namespace std::string_literals;
  const std::pair<std::string, int> rows[] = {
      {"\xEF\xBB\xBFok", 8},
      {"\xFE\xFF\0A"s, 17},
      {"\xFF\xFE" "A\0"s, 16},
      {"\xFF\xFE\0\0"s, 32},
      {"\0\0\xFE\xFF\0\0\0A"s, 33},
      {"\xFE", 17},  // a byte beyond the end counts as FF
      {"\0\0\xFE"s, 33},
      {"", 65},
      {"\xE9", 65},
      {"ends with \xE9", 65},
      {"x" + kSjisNihongo, 74},
      {"caf\xE9" "A", 74},
      {"\x9F~", 74},
      {"\x81\xFC", 74},
      {"\xE0~", 74},
      {"\xFC\xFC", 74},
      {"\x80@ \x81? \x81\x7F \xDF@ \xE0? \xE0\xBF", 0},  // no lead and trail byte pair
      {"caf\xE9 ok", 0},
      {"a\xA0\xA0 ok", 0},
      {kUtf8Nihongo, 8},
      {kUtf8Nihongo + " \xBF", 0},      // a stray continuation byte elsewhere: not UTF-8
      {"a\xF8\x88\x80\x80\x80", 8},  // five- and six-byte forms still count as sequences
      {"a\xFE\x80", 0},
  };
  for (const auto& [bytes, code] : rows) EXPECT_EQ(Detect(bytes).first, code) << bytes;
  // The mark goes and a zero unit follows.
  EXPECT_EQ(Detect("\xFF\xFE" "A\0\0\0"s).second, "A\0\0\0\0\0"s);
  EXPECT_EQ(Detect("\xFE").second, "\0\0"s);
}

TEST(DecodeText, EveryEncodingZeroEndAndInvalidByte) {
  using namespace std::string_literals;
  const std::pair<std::string, std::string> cases[] = {
      {"A\x93\xFA\x96\x7B", "A日本"},
      {"A\xE6\x97\xA5\xE6\x9C\xAC", "A日本"},
      {"\xEF\xBB\xBF" "A\xE6\x97\xA5\xE6\x9C\xAC", "A日本"},
      {"\xFF\xFE" "A\0\xE5\x65\x2C\x67"s, "A日本"},
      {"\xFE\xFF\0A\x65\xE5\x67\x2C"s, "A日本"},
      {"\xFF\xFE\0\0" "A\0\0\0\xE5\x65\0\0\x2C\x67\0\0"s, "A日本"},
      {"\0\0\xFE\xFF\0\0\0A\0\0\x65\xE5\0\0\x67\x2C"s, "A日本"},
      {"\0\0\xFE\xFF\0\x01\xF6\x00"s, "\xF0\x9F\x98\x80"},
      {"\xFF\xFE\0\0\0\0\x11\0"s, "\xEF\xBF\xBD"},
      // the text ends at the first zero character
      {"ab\0cd"s, "ab"},
      {"\xEF\xBB\xBF" "ab\0cd"s, "ab"},
      {"\xFF\xFE" "a\0\0\0b\0"s, "a"},
      {"\xFF\xFE\0\0" "a\0\0\0\0\0\0\0b\0\0\0"s, "a"},
      {"", ""},
      // invalid bytes become replacement characters
      {"caf\xE9 ok", "caf\xEF\xBF\xBD ok"},
      {"\xEF\xBB\xBF" "a\xFF" "b", "a\xEF\xBF\xBD" "b"},
      {"\xFF\xFE\x00\xD8" "a\0"s, "\xEF\xBF\xBD" "a"},
  };
  for (const auto& [bytes, text] : cases) EXPECT_EQ(platform::DecodeText(B(bytes)), text) << bytes;
  // A partial last unit is not read.
  EXPECT_EQ(platform::DecodeAs(platform::kEncodingUtf16Le, B("A\0B"s)), "A");
  EXPECT_EQ(platform::DecodeAs(platform::kEncodingUtf32Le, B("A\0\0\0B\0\0"s)), "A");
}

TEST(ReadTextFile, AMissingFileIsEmptyWithoutWaiting) {
  ManualClock clock;
  EXPECT_EQ(platform::ReadTextFile(sandbox::Path("missing.txt")), "");
  EXPECT_TRUE(clock.Sleeps().empty());
  sandbox::WriteFile(sandbox::Path("sjis.ini"), "[s]\r\nk=" + kSjisNihongo + "\r\n");
  EXPECT_EQ(platform::ReadTextFile(sandbox::Path("sjis.ini")), "[s]\r\nk=日本語\r\n");
}

TEST(Cp932, ConvertsBothWaysAndNeverFailsOnContent) {
  EXPECT_EQ(platform::Cp932ToUtf8(kSjisNihongo), "日本語");
  EXPECT_EQ(platform::Cp932ToUtf8("a\x80"
                                  "b\x82"),
            "a\xEF\xBF\xBD"
            "b\xEF\xBF\xBD");
  EXPECT_EQ(platform::Cp932ToUtf8("\x87\x40\xED\x40"), "①纊");
  // 7-bit text needs no converter; other text fails without one.
  EXPECT_EQ(platform::ConvertToUtf8("[s]\r\nk=v", "NO-SUCH-CODE"), "[s]\r\nk=v");
  EXPECT_EQ(platform::ConvertToUtf8(kSjisNihongo, "NO-SUCH-CODE"), std::nullopt);
  std::string out;
  EXPECT_TRUE(platform::Utf8ToCp932("x日本語ｱ", out));
  EXPECT_EQ(out, "x" + kSjisNihongo + "\xB1");
  EXPECT_FALSE(platform::Utf8ToCp932("é", out));
  EXPECT_FALSE(platform::Utf8ToCp932("\xF0\x9F\x98\x80", out));
}
