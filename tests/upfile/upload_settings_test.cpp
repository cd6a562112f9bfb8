#include <filesystem>

#include "platform/system_places.h"
#include "settings_fixture.h"

namespace fs = std::filesystem;

TEST_F(UploadSettings, FileLiesInTheSettingsFolderOfTheCommonDocuments) {
  EXPECT_EQ(SettingsFilePath(), GetSettingsFolder() + "/upfile.ini");
  EXPECT_EQ(SettingsFilePath(), sandbox::Path("documents/Temp/z_Suite/_Setting/upfile.ini"));
}

TEST_F(UploadSettings, MissingFileGivesEveryDefault) {
  EXPECT_EQ(GetServer(), "localhost");
  EXPECT_EQ(GetScriptPath(), "/z_Suite/upload/share/upload.php");
  EXPECT_EQ(GetScheme(), "https");
  EXPECT_EQ(GetUploadSizeLimit(), 10 * kMiB);
  EXPECT_TRUE(GetNameTo7bit());
  EXPECT_EQ(GetSelfCertificate(), "");
  EXPECT_EQ(GetPathLinkHtml(), "");
  EXPECT_EQ(GetDebugSetting(), "");
  EXPECT_EQ(ReadSettingValue("", "def"), "def");
  EXPECT_EQ(PageFolderAddress(), "//localhost/z_Suite/upload/share/data/");
  EXPECT_EQ(BrowserAddress(), "https://localhost/z_Suite/upload/share/data/");
}

TEST_F(UploadSettings, PresentButEmptyKeys) {
  MakeSettingsFolder();
  WriteSettings("server=\r\nphp_fn=\r\nopen_http=\r\nname_to_7bit=\r\nup_max_file_size=\r\n");
  EXPECT_EQ(GetServer(), "localhost");
  EXPECT_EQ(GetScriptPath(), "/z_Suite/upload/share/upload.php");
  EXPECT_EQ(GetScheme(), "");
  EXPECT_EQ(BrowserAddress(), "//localhost/z_Suite/upload/share/data/");
  EXPECT_FALSE(GetNameTo7bit());
  EXPECT_EQ(GetUploadSizeLimit(), 10 * kMiB);
}

TEST_F(UploadSettings, SizeLimitFromTheFile) {
  MakeSettingsFolder();
  const std::pair<const char*, uint32_t> table[] = {
      {"0", 1 * kMiB}, {"", 10 * kMiB}, {"abc", 1 * kMiB}, {"10K", 10 * kMiB}, {"100", 32 * kMiB}, {"65536", 1 * kMiB},
  };
  for (const auto& [value, limit] : table) {
    WriteSettings(std::string("up_max_file_size=") + value + "\r\n");
    EXPECT_EQ(GetUploadSizeLimit(), limit) << "value \"" << value << "\"";
  }
}

TEST_F(UploadSettings, UserFolderFromTheScriptPath) {
  MakeSettingsFolder();
  WriteSettings("server=host\r\nphp_fn=/up/up.php?User=abc\r\nopen_http=http\r\n");
  EXPECT_EQ(PageFolderAddress(), "//host/up/abc/");
  EXPECT_EQ(BrowserAddress(), "http://host/up/abc/");
  WriteSettings("server=host\r\nphp_fn=/up/up.php?User=\r\n");
  EXPECT_EQ(PageFolderAddress(), "//host/up//");
}

TEST_F(UploadSettings, PrefixMatchingKeyLineWinsWhenItComesFirst) {
  MakeSettingsFolder();
  WriteSettings("serverX=wrong.example\r\nserver=right.example\r\nname_to_7bit_old=1\r\nname_to_7bit=0\r\n");
  EXPECT_EQ(GetServer(), "wrong.example");
  EXPECT_TRUE(GetNameTo7bit());
}

TEST_F(UploadSettings, EveryReadSeesTheFileAsItIsNow) {
  MakeSettingsFolder();
  WriteSettings("server=aaa.example\r\n");
  EXPECT_EQ(GetServer(), "aaa.example");
  WriteSettings("server=bbb.example\r\n");  // same size, same moment
  EXPECT_EQ(GetServer(), "bbb.example");

  PretendWrittenLongAgo();
  EXPECT_EQ(GetServer(), "bbb.example");
  EXPECT_EQ(GetServer(), "bbb.example");
  WriteSettings("server=ccc.example\r\n");
  EXPECT_EQ(GetServer(), "ccc.example");

  // Same size and the old time put back: the status change still shows.
  PretendWrittenLongAgo();
  EXPECT_EQ(GetServer(), "ccc.example");
  const auto old = fs::last_write_time(SettingsFilePath());
  WriteSettings("server=ddd.example\r\n");
  fs::last_write_time(SettingsFilePath(), old);
  EXPECT_EQ(GetServer(), "ddd.example");

  fs::remove(SettingsFilePath());
  EXPECT_EQ(GetServer(), "localhost");
}

TEST_F(UploadSettings, IndexPageNameFromTheUserName) {
  EXPECT_EQ(IndexPageName("page.htm"), "page.htm");
  const std::string name = IndexPageName("");
  EXPECT_EQ(name, NameTo7bit(platform::UserName()) + "_index.htm");
  EXPECT_GT(name.size(), std::string("_index.htm").size());
}

TEST_F(UploadSettings, FileIsDecodedWhateverItsEncoding) {
  MakeSettingsFolder();
  // UTF-16 LE with mark, as the platform writer may leave it.
  const std::u16string text = u"\uFEFF[Preference_202206]\r\nserver=utf16.example\r\npath_link_html=C:/\u30EA\u30F3\u30AF.htm\r\n";
  std::string bytes;
  for (char16_t unit : text) {
    bytes += static_cast<char>(unit & 0xFF);
    bytes += static_cast<char>(unit >> 8);
  }
  sandbox::WriteFile(SettingsFilePath(), bytes);
  EXPECT_EQ(GetServer(), "utf16.example");
  EXPECT_EQ(GetPathLinkHtml(), "C:/\xE3\x83\xAA\xE3\x83\xB3\xE3\x82\xAF.htm");

  // Shift_JIS, as a person may save it with an older editor.
  WriteSettings("path_link_html=C:/\x83\x8A\x83\x93\x83\x4E.htm\r\n");
  EXPECT_EQ(GetPathLinkHtml(), "C:/\xE3\x83\xAA\xE3\x83\xB3\xE3\x82\xAF.htm");
}
