#include "publish/upload_settings.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <string>

#include "platform/folders.h"
#include "platform/utf.h"
#include "publish/settings_file.h"
#include "support/sandbox.h"

namespace fs = std::filesystem;

namespace publish {
namespace {

constexpr uint32_t kMiB = 1048576;

class UploadSettingsFile : public ::testing::Test {
 protected:
  void SetUp() override { std::filesystem::remove_all(sandbox::Path("documents/Temp")); }

  static void MakeSettingsFolder() { sandbox::MakeDirs(platform::GetSettingsFolder()); }

  static void WriteSettings(const std::string& body) {
    sandbox::WriteFile(SettingsFilePath(), "[Preference_202206]\r\n" + body);
  }

  static void PretendWrittenLongAgo() {
    std::filesystem::last_write_time(SettingsFilePath(),
                                     std::filesystem::file_time_type::clock::now() - std::chrono::hours(1));
  }
};

TEST_F(UploadSettingsFile, FileLiesInTheSettingsFolderOfTheCommonDocuments) {
  EXPECT_EQ(SettingsFilePath(), platform::GetSettingsFolder() + "/upfile.ini");
  EXPECT_EQ(SettingsFilePath(), sandbox::Path("documents/Temp/z_Suite/_Setting/upfile.ini"));
}

TEST_F(UploadSettingsFile, MissingFileGivesEveryDefault) {
  const UploadSettings settings = ReadUploadSettings();
  EXPECT_EQ(settings.server, "localhost");
  EXPECT_EQ(settings.scriptPath, "/z_Suite/upload/share/upload.php");
  EXPECT_EQ(settings.scheme, "https");
  EXPECT_EQ(settings.sizeLimit, 10 * kMiB);
  EXPECT_TRUE(settings.nameTo7bit);
  EXPECT_FALSE(settings.relaxCertificate);
  EXPECT_EQ(settings.pathLinkHtml, "");
  EXPECT_FALSE(settings.debugCopies);
  EXPECT_EQ(ReadSettingValue("", "def"), "def");
  EXPECT_EQ(PageFolderAddress(settings), "//localhost/z_Suite/upload/share/data/");
  EXPECT_EQ(BrowserAddress(settings), "https://localhost/z_Suite/upload/share/data/");
}

TEST_F(UploadSettingsFile, PresentButEmptyKeys) {
  MakeSettingsFolder();
  WriteSettings("server=\r\nphp_fn=\r\nopen_http=\r\nname_to_7bit=\r\nup_max_file_size=\r\n");
  const UploadSettings settings = ReadUploadSettings();
  EXPECT_EQ(settings.server, "localhost");
  EXPECT_EQ(settings.scriptPath, "/z_Suite/upload/share/upload.php");
  EXPECT_EQ(settings.scheme, "");
  EXPECT_EQ(BrowserAddress(settings), "//localhost/z_Suite/upload/share/data/");
  EXPECT_FALSE(settings.nameTo7bit);
  EXPECT_EQ(settings.sizeLimit, 10 * kMiB);
  // Any text switches these on, "0" too.
  WriteSettings("self_certificate=0\r\nDebug=0\r\n");
  EXPECT_TRUE(ReadUploadSettings().relaxCertificate);
  EXPECT_TRUE(ReadUploadSettings().debugCopies);
}

TEST_F(UploadSettingsFile, SizeLimitFromTheFile) {
  MakeSettingsFolder();
  const std::pair<const char*, uint32_t> table[] = {
      {"0", 1 * kMiB}, {"", 10 * kMiB}, {"abc", 1 * kMiB}, {"10K", 10 * kMiB}, {"100", 32 * kMiB}, {"65536", 1 * kMiB},
  };
  for (const auto& [value, limit] : table) {
    WriteSettings(std::string("up_max_file_size=") + value + "\r\n");
    EXPECT_EQ(ReadUploadSettings().sizeLimit, limit) << "value \"" << value << "\"";
  }
}

TEST_F(UploadSettingsFile, UserFolderFromTheScriptPath) {
  MakeSettingsFolder();
  WriteSettings("server=host\r\nphp_fn=/up/up.php?User=abc\r\nopen_http=http\r\n");
  EXPECT_EQ(PageFolderAddress(ReadUploadSettings()), "//host/up/abc/");
  EXPECT_EQ(BrowserAddress(ReadUploadSettings()), "http://host/up/abc/");
  WriteSettings("server=host\r\nphp_fn=/up/up.php?User=\r\n");
  EXPECT_EQ(PageFolderAddress(ReadUploadSettings()), "//host/up//");
}

TEST_F(UploadSettingsFile, PrefixMatchingKeyLineWinsWhenItComesFirst) {
  MakeSettingsFolder();
  WriteSettings("serverX=wrong.example\r\nserver=right.example\r\nname_to_7bit_old=1\r\nname_to_7bit=0\r\n");
  EXPECT_EQ(ReadUploadSettings().server, "wrong.example");
  EXPECT_TRUE(ReadUploadSettings().nameTo7bit);
}

TEST_F(UploadSettingsFile, EveryReadSeesTheFileAsItIsNow) {
  MakeSettingsFolder();
  WriteSettings("server=aaa.example\r\n");
  EXPECT_EQ(ReadUploadSettings().server, "aaa.example");
  WriteSettings("server=bbb.example\r\n");  // same size, same moment
  EXPECT_EQ(ReadUploadSettings().server, "bbb.example");

  PretendWrittenLongAgo();
  EXPECT_EQ(ReadUploadSettings().server, "bbb.example");
  EXPECT_EQ(ReadUploadSettings().server, "bbb.example");
  WriteSettings("server=ccc.example\r\n");
  EXPECT_EQ(ReadUploadSettings().server, "ccc.example");

  // Same size and the old time put back: the status change still shows.
  PretendWrittenLongAgo();
  EXPECT_EQ(ReadUploadSettings().server, "ccc.example");
  const auto old = fs::last_write_time(SettingsFilePath());
  WriteSettings("server=ddd.example\r\n");
  fs::last_write_time(SettingsFilePath(), old);
  EXPECT_EQ(ReadUploadSettings().server, "ddd.example");

  fs::remove(SettingsFilePath());
  EXPECT_EQ(ReadUploadSettings().server, "localhost");
}

TEST_F(UploadSettingsFile, FileIsDecodedWhateverItsEncoding) {
  MakeSettingsFolder();
  // UTF-16 LE with mark, as the platform writer may leave it.
  const std::u16string text = u"\uFEFF[Preference_202206]\r\nserver=utf16.example\r\npath_link_html=C:/\u30EA\u30F3\u30AF.htm\r\n";
  std::string bytes;
  for (char16_t unit : text) {
    bytes += static_cast<char>(unit & 0xFF);
    bytes += static_cast<char>(unit >> 8);
  }
  sandbox::WriteFile(SettingsFilePath(), bytes);
  EXPECT_EQ(ReadUploadSettings().server, "utf16.example");
  EXPECT_EQ(ReadUploadSettings().pathLinkHtml, "C:/\xE3\x83\xAA\xE3\x83\xB3\xE3\x82\xAF.htm");

  // Shift_JIS, as a person may save it with an older editor.
  WriteSettings("path_link_html=C:/\x83\x8A\x83\x93\x83\x4E.htm\r\n");
  EXPECT_EQ(ReadUploadSettings().pathLinkHtml, "C:/\xE3\x83\xAA\xE3\x83\xB3\xE3\x82\xAF.htm");
}

TEST_F(UploadSettingsFile, FirstStartWithSettingsFolderWritesBothServerKeys) {
  MakeSettingsFolder();
  WriteServerDefaults();
  EXPECT_EQ(sandbox::ReadFile(SettingsFilePath()),
            "[Preference_202206]\r\nserver=localhost\r\nphp_fn=/Test/upload/up.php\r\n");
  EXPECT_EQ(ReadSettingValue("server", "absent"), "localhost");
  EXPECT_EQ(ReadSettingValue("php_fn", "absent"), "/Test/upload/up.php");
  EXPECT_EQ(UploadScriptAddress(ReadUploadSettings()), "//localhost/Test/upload/up.php");
  EXPECT_EQ(BrowserAddress(ReadUploadSettings()), "https://localhost/Test/upload/data/");
}

TEST_F(UploadSettingsFile, FirstStartWithoutSettingsFolderWritesNothing) {
  WriteServerDefaults();
  EXPECT_FALSE(fs::exists(platform::GetSettingsFolder()));
  EXPECT_FALSE(WriteIfAbsent(SettingsFilePath(), kSettingsSection, "server", "x"));
  EXPECT_EQ(ReadUploadSettings().scriptPath, "/z_Suite/upload/share/upload.php");
}

TEST_F(UploadSettingsFile, ExistingKeysKeepTheirValuesAndTheFileStaysUntouched) {
  MakeSettingsFolder();
  const std::string before = "[Preference_202206]\r\nserver=up.example\r\nphp_fn=\r\n";
  sandbox::WriteFile(SettingsFilePath(), before);
  WriteServerDefaults();
  EXPECT_EQ(sandbox::ReadFile(SettingsFilePath()), before);
  EXPECT_TRUE(WriteIfAbsent(SettingsFilePath(), kSettingsSection, "SERVER", "other"));
  EXPECT_EQ(ReadUploadSettings().server, "up.example");
}

TEST_F(UploadSettingsFile, OnlyTheMissingKeyIsAddedToItsSection) {
  MakeSettingsFolder();
  sandbox::WriteFile(SettingsFilePath(),
                     "[Other]\r\nphp_fn=/elsewhere.php\r\n[Preference_202206]\r\nserver=up.example\r\n");
  WriteServerDefaults();
  EXPECT_EQ(ReadUploadSettings().server, "up.example");
  EXPECT_EQ(ReadUploadSettings().scriptPath, "/Test/upload/up.php");
  EXPECT_EQ(sandbox::ReadFile(SettingsFilePath()),
            "[Other]\r\nphp_fn=/elsewhere.php\r\n[Preference_202206]\r\nserver=up.example\r\n"
            "php_fn=/Test/upload/up.php\r\n");
}

TEST_F(UploadSettingsFile, WriteIfAbsentRefusesEmptyNames) {
  MakeSettingsFolder();
  EXPECT_FALSE(WriteIfAbsent("", kSettingsSection, "server", "x"));
  EXPECT_FALSE(WriteIfAbsent(SettingsFilePath(), "", "server", "x"));
  EXPECT_FALSE(WriteIfAbsent(SettingsFilePath(), kSettingsSection, "", "x"));
  EXPECT_FALSE(fs::exists(SettingsFilePath()));
}

TEST(SizeLimit, ParsesLikeWcstoulWithA32BitResult) {
  EXPECT_EQ(SizeLimitFromText("10M"), 10 * kMiB);
  EXPECT_EQ(SizeLimitFromText("10"), 10 * kMiB);
  EXPECT_EQ(SizeLimitFromText("  7M"), 7 * kMiB);
  EXPECT_EQ(SizeLimitFromText(""), 1 * kMiB);
  EXPECT_EQ(SizeLimitFromText("32"), 32 * kMiB);
  EXPECT_EQ(SizeLimitFromText("65539"), 3 * kMiB);   // low 16 bits are 3
  EXPECT_EQ(SizeLimitFromText("+5"), 5 * kMiB);
  EXPECT_EQ(SizeLimitFromText("-5"), 32 * kMiB);     // wraps to 0xFFFFFFFB
  EXPECT_EQ(SizeLimitFromText("99999999999"), 32 * kMiB);  // saturates at 0xFFFFFFFF
  EXPECT_EQ(SizeLimitFromText("0x10"), 1 * kMiB);    // base 10: stops at 'x'
}

TEST(PageFolder, UsesScriptFolderWithDataOrTheUserFolder) {
  EXPECT_EQ(PageFolderOf("//host/z_Suite/upload/share/upload.php"), "//host/z_Suite/upload/share/data/");
  EXPECT_EQ(PageFolderOf("//host/Test/upload/up.php"), "//host/Test/upload/data/");
  EXPECT_EQ(PageFolderOf("//host/up/up.php?User=abc"), "//host/up/abc/");
  EXPECT_EQ(PageFolderOf("//host/up/up.php?User="), "//host/up//");
  EXPECT_EQ(PageFolderOf("//host/up/up.php?x=1&User=abc&y=2"), "//host/up/abc&y=2/");
  EXPECT_EQ(PageFolderOf("//host/up/up.phpUser=me"), "//host/up/me/");
}

TEST(PageFolder, BackslashWinsOverSlashAndNoSeparatorGivesBareFolder) {
  // the last backslash splits even when slashes follow it
  EXPECT_EQ(PageFolderOf("//host/a\\b/up.php"), "//host/a/data/");
  EXPECT_EQ(PageFolderOf("\\\\srv\\share\\up.php"), "\\\\srv\\share/data/");
  EXPECT_EQ(PageFolderOf("up.php"), "data/");
  EXPECT_EQ(PageFolderOf("up.php?User=u"), "u/");
  EXPECT_EQ(PageFolderOf("/up.php"), "data/");
}

TEST(BrowserAddress, AddsSchemeColonOnlyForNonEmptyScheme) {
  EXPECT_EQ(BrowserAddressOf("https", "//host/up/data/"), "https://host/up/data/");
  EXPECT_EQ(BrowserAddressOf("http", "//host/up/data/"), "http://host/up/data/");
  EXPECT_EQ(BrowserAddressOf("", "//host/up/data/"), "//host/up/data/");
  EXPECT_EQ(BrowserAddressOf("https", "//host/up\\"), "https://host/up\\");
  EXPECT_EQ(BrowserAddressOf("https", "//host/up"), "https://host/up/");
}

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
  const std::string result = NameTo7bit(platform::Utf16ToUtf8(all));
  EXPECT_EQ(result.size(), all.size());
  for (char c : result) {
    const bool safe = (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '.' ||
                      c == '_' || c == '-';
    ASSERT_TRUE(safe) << "unexpected character " << static_cast<int>(c);
  }
}

}  // namespace
}  // namespace publish
