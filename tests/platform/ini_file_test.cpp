#include "platform/ini_file.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "platform/utf.h"
#include "support/sandbox.h"

namespace {

// The file a person would write: comments, odd spacing, quotes, a section
// repeated under another case, Japanese text, no line end after the last line.
const std::string kHandWritten =
    "; settings of the family\n"
    "[Preference]\n"
    "  Key One  =  value with spaces  \n"
    "quoted = \"  padded \"\n"
    "single='x'\n"
    "mixed=\"a'\n"
    ";commented=1\n"
    "name=日本語\n"
    "number = +12\n"
    "negative=-7\n"
    "trailing=12abc\n"
    "letters=abc\n"
    "empty=\n"
    "\vtabbed\t=\tx\f\n"
    "\n"
    "[ preference ]\n"
    "later=ignored\n"
    "[Other]\n"
    "key one=other\n"
    "Ωmega=1";

std::string WithCrLf(const std::string& text) {
  std::string out;
  for (char c : text) {
    if (c == '\n') out += '\r';
    out += c;
  }
  return out;
}

std::string Utf16LeWithBom(const std::string& text) {
  std::string bytes = "\xFF\xFE";
  for (char16_t unit : platform::Utf8ToUtf16(text)) {
    bytes += static_cast<char>(unit & 0xFF);
    bytes += static_cast<char>(unit >> 8);
  }
  return bytes;
}

// The text with "日本語" and "Ω" in code page 932.
std::string ShiftJis(const std::string& text) {
  std::string out = text;
  const std::pair<std::string, std::string> forms[] = {{"日本語", "\x93\xFA\x96\x7B\x8C\xEA"}, {"Ω", "\x83\xB6"}};
  for (const auto& [utf8, cp932] : forms) {
    const size_t at = out.find(utf8);
    if (at != std::string::npos) out.replace(at, utf8.size(), cp932);
  }
  return out;
}

void ExpectHandWrittenValues(const std::string& path) {
  EXPECT_EQ(platform::IniReadString("preference", "KEY ONE", "-", path), "value with spaces");
  EXPECT_EQ(platform::IniReadString("Preference", "quoted", "-", path), "  padded ");
  EXPECT_EQ(platform::IniReadString("Preference", "single", "-", path), "x");
  EXPECT_EQ(platform::IniReadString("Preference", "mixed", "-", path), "\"a'");
  EXPECT_EQ(platform::IniReadString("Preference", "commented", "-", path), "-");
  EXPECT_EQ(platform::IniReadString("Preference", "name", "-", path), "日本語");
  EXPECT_EQ(platform::IniReadString("Preference", "empty", "-", path), "");
  EXPECT_EQ(platform::IniReadString("Preference", "tabbed", "-", path), "x");
  EXPECT_EQ(platform::IniReadString("Preference", "later", "-", path), "-");  // the repeated section is not read
  EXPECT_EQ(platform::IniReadString("OTHER", "Key One", "-", path), "other");
  EXPECT_EQ(platform::IniReadString("Missing", "Key One", "-", path), "-");
  EXPECT_EQ(platform::IniReadString("other", "ωMEGA", "-", path), "1");
  EXPECT_EQ(platform::IniReadInt("Preference", "number", 5, path), 12);
  EXPECT_EQ(platform::IniReadInt("Preference", "negative", 5, path), -7);
  EXPECT_EQ(platform::IniReadInt("Preference", "trailing", 5, path), 12);
  EXPECT_EQ(platform::IniReadInt("Preference", "letters", 5, path), 0);
  EXPECT_EQ(platform::IniReadInt("Preference", "empty", 5, path), 5);
}

TEST(IniFileRead, FilesAsPeopleAndWindowsWriteThem) {
  const struct {
    const char* name;
    std::string bytes;
  } files[] = {
      {"lf.ini", kHandWritten},
      {"crlf.ini", WithCrLf(kHandWritten)},
      {"utf8bom.ini", "\xEF\xBB\xBF" + WithCrLf(kHandWritten)},
      {"sjis.ini", ShiftJis(WithCrLf(kHandWritten))},
      {"utf16.ini", Utf16LeWithBom(WithCrLf(kHandWritten))},
  };
  for (const auto& file : files) {
    SCOPED_TRACE(file.name);
    const std::string path = sandbox::Path(std::string("read/") + file.name);
    sandbox::WriteFile(path, file.bytes);
    ExpectHandWrittenValues(path);
  }
}

TEST(IniFileRead, SeesEveryChangeOfTheFile) {
  const std::string path = sandbox::Path("read/changing.ini");
  sandbox::WriteFile(path, "[s]\r\nk=1\r\n");
  // Last modified long ago: the parsed copy is kept and trusted.
  const timespec old[2] = {{1600000000, 0}, {1600000000, 0}};
  ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), old, 0), 0);
  EXPECT_EQ(platform::IniReadString("s", "k", "", path), "1");

  // Same size and the same modification time: the change must still be seen.
  sandbox::WriteFile(path, "[s]\r\nk=2\r\n");
  ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), old, 0), 0);
  EXPECT_EQ(platform::IniReadString("s", "k", "", path), "2");

  std::filesystem::remove(path);
  EXPECT_EQ(platform::IniReadInt("s", "k", 42, path), 42);
}

// A write changes one line and keeps every other line's bytes, whatever the file holds, or changes nothing.
TEST(IniFileWrite, ChangesOneLineKeepingTheOthersByteForByteOrRefuses) {
  using namespace std::string_literals;
  enum Setup { kPlain, kReadOnly, kDanglingLink };
  const std::string other = "[Other]\r\nnote=テスト\r\n";
  const std::string sjisGuess = "[P]\r\n;Caf\xE9" "Bar\r\nk=1\r\n" + other;  // UTF-8 but one byte: "Shift_JIS"
  const std::string undecided = "[P]\r\n;\xBF?\r\nk=1\r\n" + other;
  const struct {
    Setup setup;
    std::string before;
    const char* key;
    const char* value;
    std::string after;  // empty: refused, the file unchanged
  } rows[] = {
      {kPlain, "; c  \n[P]\n  Width =  120  \n\n[D]\r\nLog=0", "width", "300", "; c  \n[P]\n  Width =  300\n\n[D]\r\nLog=0"},
      {kPlain, "[P]\nk=1\n\n[D]\r\n", "height", "40", "[P]\nk=1\nheight=40\r\n\n[D]\r\n"},
      {kPlain, "[P]\r\nk=1", "new", "v", "[P]\r\nk=1\r\nnew=v\r\n"},
      {kPlain, "[D]\r\nLog=0", "k", "v", "[D]\r\nLog=0\r\n[P]\r\nk=v\r\n"},
      {kPlain, "[P]\r\n;a\0b\r\nk=1\r\n"s + other, "k", "2", "[P]\r\n;a\0b\r\nk=2\r\n"s + other},
      {kPlain, sjisGuess, "new", "v", "[P]\r\n;Caf\xE9" "Bar\r\nk=1\r\nnew=v\r\n" + other},
      {kPlain, undecided, "k", "テ", ""},  // no encoding to write it in
      {kPlain, Utf16LeWithBom("[P]\r\nname=日本語\r\n"), "more", "テキスト",
       Utf16LeWithBom("[P]\r\nname=日本語\r\nmore=テキスト\r\n")},
      {kPlain, ShiftJis("[P]\r\nname=日本語\r\n"), "k", "Ω", ShiftJis("[P]\r\nname=日本語\r\nk=Ω\r\n")},
      {kPlain, Utf16LeWithBom("[P]\r\nk=1\r\n") + "x", "k", "2", ""},  // half a unit: no decoding
      {kPlain, "[P]\r\nk=1\r\n", "k", "two\r\nlines", ""},
      {kPlain, "[P]\r\nk=1\r\n", "a=b", "v", ""},
      {kReadOnly, "[P]\r\nk=1\r\n", "k", "2", ""},
      {kDanglingLink, "", "k", "v", "[P]\r\nk=v\r\n"},
  };
  sandbox::MakeDirs(sandbox::Path("keep"));
  int count = 0;
  for (const auto& row : rows) {
    const std::string path = sandbox::Path("keep/" + std::to_string(++count) + ".ini");
    SCOPED_TRACE(path);
    if (row.setup == kDanglingLink) {
      ASSERT_EQ(::symlink("target.ini", path.c_str()), 0);
    } else {
      sandbox::WriteFile(path, row.before);
      ASSERT_EQ(::chmod(path.c_str(), row.setup == kReadOnly ? 0444 : 0644), 0);
    }
    EXPECT_EQ(platform::IniWriteString("P", row.key, row.value, path), !row.after.empty());
    EXPECT_EQ(sandbox::ReadFile(path), row.after.empty() ? row.before : row.after);
    EXPECT_EQ(std::filesystem::is_symlink(path), row.setup == kDanglingLink);
    if (!row.after.empty()) {
      EXPECT_EQ(platform::IniReadString("P", row.key, "-", path), row.value);
    }
  }
}

TEST(IniFileWrite, ReplacesTheFileWholeKeepingItsModeButMakesNoFolder) {
  const std::string folder = sandbox::Path("atomic");
  const std::string path = folder + "/settings.ini";
  sandbox::WriteFile(path, "[s]\r\nk=1\r\n");
  ASSERT_EQ(::chmod(path.c_str(), 0640), 0);
  struct stat before {}, after {};
  ASSERT_EQ(::stat(path.c_str(), &before), 0);
  ASSERT_TRUE(platform::IniWriteString("s", "k", "2", path));
  ASSERT_EQ(::stat(path.c_str(), &after), 0);
  EXPECT_NE(before.st_ino, after.st_ino);  // a new file renamed over the old one
  EXPECT_EQ(after.st_mode & 0777, 0640u);
  EXPECT_FALSE(platform::IniWriteString("s]x", "k", "v", path));  // a section name the file could not hold
  EXPECT_EQ(sandbox::ReadFile(path), "[s]\r\nk=2\r\n");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder), {}), 1);  // no temporary file left
  EXPECT_FALSE(platform::IniWriteString("s", "k", "v", folder + "/missing/new.ini"));
  EXPECT_FALSE(std::filesystem::exists(folder + "/missing"));
}

// With standard input closed, a file may be opened as descriptor 0.
TEST(IniFile, ReadsAndWritesWithStandardInputClosed) {
  const std::string path = sandbox::Path("stdin.ini");
  sandbox::WriteFile(path, "[s]\r\nk=1\r\n");
  const int saved = ::dup(0);
  ::close(0);
  const std::string read = platform::IniReadString("s", "k", "-", path);
  const bool written = platform::IniWriteString("s", "n", "2", path);
  ::dup2(saved, 0);
  ::close(saved);
  EXPECT_EQ(read, "1");
  EXPECT_TRUE(written);
  EXPECT_EQ(sandbox::ReadFile(path), "[s]\r\nk=1\r\nn=2\r\n");
}

}  // namespace
