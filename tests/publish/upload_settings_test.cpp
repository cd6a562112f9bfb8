#include "publish/upload_settings.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <tuple>

#include "support/sandbox.h"

namespace fs = std::filesystem;

namespace publish {
namespace {

// Where the common documents keep it, written as a person would.
const std::string kSettingsFile = sandbox::Path("documents/Temp/z_Suite/_Setting/upfile.ini");

void WriteSettings(const std::string& body) { sandbox::WriteFile(kSettingsFile, "[Preference_202206]\r\n" + body); }

TEST(UploadSettings, ReadFromTheFileWithDefaultsForWhatItLacks) {
  const std::pair<const char*, std::string> cases[] = {
      {nullptr, "https://localhost/z_Suite/upload/share/upload.php 10 100 "},
      {"server=\r\nphp_fn=\r\nopen_http=\r\nname_to_7bit=\r\nup_max_file_size=\r\n", "://localhost/z_Suite/upload/share/upload.php 10 000 "},
      // Any text switches these on, "0" too.
      {"self_certificate=0\r\nDebug=0\r\nname_to_7bit=2\r\n", "https://localhost/z_Suite/upload/share/upload.php 10 011 "},
      // Shift_JIS, as a person may save it with an older editor.
      {"path_link_html=C:/\x83\x8A\x83\x93\x83\x4E.htm\r\n",
       "https://localhost/z_Suite/upload/share/upload.php 10 100 C:/\xE3\x83\xAA\xE3\x83\xB3\xE3\x82\xAF.htm"},
  };
  for (const auto& [body, summary] : cases) {
    if (body) WriteSettings(body);
    else fs::remove(kSettingsFile);
    // In one line: scheme and script address, limit in MiB, then 7-bit names, relaxed certificate and
    // debug copies as 0/1, and the link file.
    const UploadSettings s = ReadUploadSettings();
    EXPECT_EQ(s.scheme + ":" + UploadScriptAddress(s) + " " + std::to_string(s.sizeLimit / 1048576) + " " +
                  std::to_string(s.nameTo7bit) + std::to_string(s.relaxCertificate) + std::to_string(s.debugCopies) +
                  " " + s.pathLinkHtml, summary) << (body ? body : "no file");
  }
}

TEST(UploadSettings, EveryReadSeesTheFileAsItIsNow) {
  WriteSettings("server=aaa.example\r\n");
  EXPECT_EQ(ReadUploadSettings().server, "aaa.example");
  WriteSettings("server=bbb.example\r\n");  // same size, same moment
  EXPECT_EQ(ReadUploadSettings().server, "bbb.example");

  const auto longAgo = fs::file_time_type::clock::now() - std::chrono::hours(1);
  fs::last_write_time(kSettingsFile, longAgo);
  EXPECT_EQ(ReadUploadSettings().server, "bbb.example");
  // Same size and the old time put back: the status change still shows.
  WriteSettings("server=ccc.example\r\n");
  fs::last_write_time(kSettingsFile, longAgo);
  EXPECT_EQ(ReadUploadSettings().server, "ccc.example");

  fs::remove(kSettingsFile);
  EXPECT_EQ(ReadUploadSettings().server, "localhost");
}

TEST(UploadSettings, SizeLimitInMiBFromTheLow16BitsOfAnUnsigned32BitNumber) {
  const std::pair<const char*, uint32_t> cases[] = {
      {"10M", 10}, {"10K", 10}, {" \t\r7", 7}, {"", 1}, {"0", 1}, {"abc", 1}, {"0x10", 1},   // base 10: stops at 'x'
      {"32", 32}, {"33", 32}, {"100", 32}, {"65536", 1}, {"65539", 3}, {"+5", 5},
      {"-5", 32},                         // wraps to 0xFFFFFFFB
      {"4294967301", 32}, {"-4294967301", 32},   // saturates at 0xFFFFFFFF, whatever the sign
      {"-4294967295", 1},                         // the largest number still negates
  };
  for (const auto& [text, mib] : cases) EXPECT_EQ(SizeLimitFromText(text), mib * 1048576) << '"' << text << '"';
}

// An object's limit: MiB, or the unit its letter names in any case; no
// number, another letter or more than 64 bits give the default.
TEST(UploadSettings, ObjectSizeLimitInTheUnitOfItsLetter) {
  const std::pair<const char*, uint64_t> cases[] = {
      {"7", 7 << 20}, {"3k", 3072}, {"512M", 512 << 20}, {"2g", uint64_t{2} << 30}, {"16777215T", ~uint64_t{0} << 40},
      {"", 9}, {"G", 9}, {"5x", 9}, {"16777216T", 9}, {"99999999999999999999", 9},
  };
  for (const auto& [text, bytes] : cases) EXPECT_EQ(ByteSizeFromText(text, 9), bytes) << '"' << text << '"';
}

// The page folder: the script's folder (split at the last backslash, else the
// last slash) with the user folder ("User=" in the script name) or "data/".
TEST(UploadSettings, BrowserAddressOfTheScript) {
  const std::tuple<const char*, const char*, const char*> cases[] = {
      {"https", "//host/up/up.php?User=abc", "https://host/up/abc/"},
      {"", "//host/up/up.php", "//host/up/data/"},
      {"http", "//host/up/up.php?User=", "http://host/up//"},
      {"http", "//host/up/up.php?x=1&User=abc&y=2", "http://host/up/abc&y=2/"},
      {"http", "//host/a\\b/up.php", "http://host/a/data/"},
      {"http", "\\\\srv\\share\\up.php", "http:\\\\srv\\share/data/"},
      {"http", "//host//up.php", "http://host/data/"},
      {"http", "up.php?User=u", "http:u/"}, {"http", "/up.php", "http:data/"},
  };
  for (const auto& [scheme, script, address] : cases) EXPECT_EQ(BrowserAddressOf(scheme, PageFolderOf(script)), address);
}

TEST(UploadSettings, SevenBitNamesTakeTheLowSevenBitsOfEachCodeUnit) {
  const std::pair<std::string, const char*> cases[] = {
      {" !\"#$%&'()*+,-./0123456789:;<=>?@ABCDEFGHIJKLMNOPQRSTUVWXYZ[\\]^_`abcdefghijklmnopqrstuvwxyz{|}~",
       "_123456789abc-.f0123456789abcdef0ABCDEFGHIJKLMNOPQRSTUVWXYZbcde_0abcdefghijklmnopqrstuvwxyzbcde"},
      {std::string("\0\x01\x1F\x7F", 4), "_1fe"},   // control characters fold into the printable range
      {"x\xF0\x9F\x98\x80.png", "xd_.png"},          // U+1F600 is the pair D83D DE00
  };
  for (const auto& [name, sevenBit] : cases) EXPECT_EQ(NameTo7bit(name), sevenBit) << name;
}

}  // namespace
}  // namespace publish
