#include "platform/ini/ini_file.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <tuple>

#include "platform/ini/ini_line.h"
#include "platform/text/utf16le.h"
#include "support/page_fixture.h"
#include "support/sandbox.h"

using namespace platform;
using namespace std::string_literals;

namespace {

std::string Utf16(const std::string& text) {
  const Bytes bytes = EncodeUtf16LeWithBom(text);
  return std::string(bytes.begin(), bytes.end());
}

}  // namespace

// Lines as people write them (odd spacing, quotes, comments, every kind of line end, Japanese text, a section
// repeated under another case, no line end at the end), a key in them, its text (default "-") and number (default 5).
TEST(IniFileRead, FilesAsPeopleAndWindowsWriteThem) {
  const std::tuple<const char*, const char*, const char*, int> lines[] = {
      {"[Preference]\r\n  Key One  =  value with spaces  \r", "KEY ONE", "value with spaces", 0},
      {"quoted = \"  padded \"\n", "quoted", "  padded ", 0},
      {";commented=1\n", "commented", "-", 5}, {"name=日本語\n", "name", "日本語", 0},
      {"number = \" \t+12\"\n", "number", " \t+12", 12},
      {"negative=-7abc\n", "negative", "-7abc", -7},
      {"huge=99999999999999999999\n", "huge", "99999999999999999999", -1},  // the low 32 bits of the largest number
      {"\vtabbed\t=\tx\f\n", "tabbed", "x", 0}, {"empty=\n", "empty", "", 5},
      {"\n[ preference ]\nlater=ignored\n", "later", "-", 5},
      {"[Other]\nΩmega=1", "Ωmega", "-", 5},
  };
  std::string text;
  for (const auto& line : lines) text += std::get<0>(line);
  for (const std::string& bytes : {text, "\xEF\xBB\xBF" + text, Utf16(text)}) {
    const std::string path = sandbox::Path("read/" + std::to_string(bytes.size()) + ".ini");
    sandbox::WriteFile(path, bytes);
    for (const auto& [line, key, value, number] : lines) {
      EXPECT_EQ(IniReadString("preference", key, "-", path), value) << path << " " << key;
      EXPECT_EQ(IniReadInt("preference", key, 5, path), number) << path << " " << key;
    }
    EXPECT_EQ(IniReadInt("OTHER", "ωMEGA", 5, path), 1);
  }
  EXPECT_EQ(ParseIniLine(std::string_view("k= x").substr(0, 2)).valueStart, 2u);  // nothing is read past the line
}

TEST(IniFileRead, SeesEveryChangeOfTheFile) {
  const std::string path = sandbox::Path("read/changing.ini");
  // Last modified long ago: the parsed copy is kept and trusted.
  page_test::MakeFile(path, "[s]\r\nk=1\r\n", 1600000000);
  EXPECT_EQ(IniReadString("s", "k", "", path), "1");
  // Same size and the same modification time: the change must still be seen.
  page_test::MakeFile(path, "[s]\r\nk=2\r\n", 1600000000);
  EXPECT_EQ(IniReadString("s", "k", "", path), "2");
  std::filesystem::remove(path);
  EXPECT_EQ(IniReadInt("s", "k", 42, path), 42);
}

// A write changes one line and keeps every other line's bytes, whatever the file holds, or changes nothing.
TEST(IniFileWrite, ChangesOneLineKeepingTheOthersByteForByteOrRefuses) {
  const std::string other = "[Other]\r\nnote=テスト\r\n";
  const std::string sjis = "[P]\r\nname=\x93\xFA\x96\x7B\x8C\xEA\r\n";
  // Before, section, key, value, after (empty: refused, the file unchanged).
  const std::tuple<std::string, const char*, const char*, const char*, std::string> rows[] = {
      {"; c  \n[P]\n  Width =  120  \n\n[D]\r\nLog=0", "P", "width", "300", "; c  \n[P]\n  Width =  300\n\n[D]\r\nLog=0"},
      {"[P]\nk=1\n\n[D]\r\n", "p", "height", "40", "[P]\nk=1\nheight=40\r\n\n[D]\r\n"},
      {"[D]\r\nLog=0", "P", "k", "v", "[D]\r\nLog=0\r\n[P]\r\nk=v\r\n"},
      {"", "P", "k", "v", "[P]\r\nk=v\r\n"},
      {"[P]\r\n;a\0b\r\nk=1\r\n"s + other, "P", "k", "2", "[P]\r\n;a\0b\r\nk=2\r\n"s + other},
      {"[P]\r\n;Caf\xE9" "Bar\r\n" + other, "P", "new", "v", "[P]\r\n;Caf\xE9" "Bar\r\nnew=v\r\n" + other},
      {"[P]\r\n;\xBF?\r\nk=1\r\n" + other, "P", "k", "テ", ""},  // no encoding to write it in
      {Utf16("[P]\r\nname=日本語\r\n"), "P", "more", "テキスト", Utf16("[P]\r\nname=日本語\r\nmore=テキスト\r\n")},
      {sjis, "P", "k", "Ω", sjis + "k=\x83\xB6\r\n"},
      {Utf16("[P]\r\nk=1\r\n") + "x", "P", "k", "2", ""},  // half a unit: no decoding
      {"[P]\r\nk=1\r\n", "P", "k", "two\r\nlines", ""}, {"[P]\r\nk=1\r\n", "P", ";k", "v", ""},
      {"[P]\r\nk=1\r\n", "s]x", "k", "v", ""},
  };
  int count = 0;
  for (const auto& [before, section, key, value, after] : rows) {
    const std::string path = sandbox::Path("keep/" + std::to_string(++count) + ".ini");
    if (!before.empty()) sandbox::WriteFile(path, before);
    EXPECT_EQ(IniWriteString(section, key, value, path), !after.empty()) << path;
    EXPECT_EQ(sandbox::ReadFile(path), after.empty() ? before : after) << path;
    if (!after.empty()) { EXPECT_EQ(IniReadString(section, key, "-", path), value) << path; }
  }
}

// A new file is renamed over the target of the link, and no temporary file is left.
// With standard input closed, a file may be opened as descriptor 0.
TEST(IniFileWrite, ReplacesTheFileWholeThroughALinkKeepingItsModeOrNotAtAll) {
  const std::string folder = sandbox::Path("atomic"), path = folder + "/settings.ini", link = folder + "/link.ini";
  sandbox::WriteFile(path, "[s]\r\nk=1\r\n");
  ASSERT_EQ(::chmod(path.c_str(), 0640), 0);
  ASSERT_EQ(::symlink("settings.ini", link.c_str()), 0);
  const int input = ::dup(0);
  ::close(0);
  const std::string read = IniReadString("s", "k", "-", link);
  const bool written = IniWriteString("s", "k", "2", link);
  ::dup2(input, 0);
  ::close(input);
  EXPECT_TRUE(written);
  EXPECT_EQ(read, "1");
  EXPECT_EQ(std::filesystem::status(path).permissions(), std::filesystem::perms(0640));
  std::signal(SIGXFSZ, SIG_IGN);  // a full disk: the file may not grow beyond 8 bytes
  rlimit saved{};
  ::getrlimit(RLIMIT_FSIZE, &saved);
  const rlimit small{8, saved.rlim_max};
  ::setrlimit(RLIMIT_FSIZE, &small);
  EXPECT_FALSE(IniWriteString("s", "k", "3", path));
  ::setrlimit(RLIMIT_FSIZE, &saved);
  ASSERT_EQ(::chmod(path.c_str(), 0444), 0);
  EXPECT_FALSE(IniWriteString("s", "k", "3", path));
  EXPECT_EQ(sandbox::ReadFile(path), "[s]\r\nk=2\r\n");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder), {}), 2);
  EXPECT_FALSE(IniWriteString("s", "k", "v", folder + "/missing/new.ini"));
  EXPECT_FALSE(std::filesystem::exists(folder + "/missing"));
}

