#include <filesystem>

#include "settings_fixture.h"

namespace fs = std::filesystem;

TEST_F(UploadSettings, FirstStartWithSettingsFolderWritesBothServerKeys) {
  MakeSettingsFolder();
  WriteServerDefaults();
  EXPECT_EQ(sandbox::ReadFile(SettingsFilePath()),
            "[Preference_202206]\r\nserver=localhost\r\nphp_fn=/Test/upload/up.php\r\n");
  EXPECT_EQ(ReadSettingValue("server", "absent"), "localhost");
  EXPECT_EQ(ReadSettingValue("php_fn", "absent"), "/Test/upload/up.php");
  EXPECT_EQ(UploadScriptAddress(), "//localhost/Test/upload/up.php");
  EXPECT_EQ(BrowserAddress(), "https://localhost/Test/upload/data/");
}

TEST_F(UploadSettings, FirstStartWithoutSettingsFolderWritesNothing) {
  WriteServerDefaults();
  EXPECT_FALSE(fs::exists(GetSettingsFolder()));
  EXPECT_FALSE(WriteIfAbsent(SettingsFilePath(), kSettingsSection, "server", "x"));
  EXPECT_EQ(GetScriptPath(), "/z_Suite/upload/share/upload.php");
}

TEST_F(UploadSettings, ExistingKeysKeepTheirValuesAndTheFileStaysUntouched) {
  MakeSettingsFolder();
  const std::string before = "[Preference_202206]\r\nserver=up.example\r\nphp_fn=\r\n";
  sandbox::WriteFile(SettingsFilePath(), before);
  WriteServerDefaults();
  EXPECT_EQ(sandbox::ReadFile(SettingsFilePath()), before);
  EXPECT_TRUE(WriteIfAbsent(SettingsFilePath(), kSettingsSection, "SERVER", "other"));
  EXPECT_EQ(GetServer(), "up.example");
}

TEST_F(UploadSettings, OnlyTheMissingKeyIsAddedToItsSection) {
  MakeSettingsFolder();
  sandbox::WriteFile(SettingsFilePath(),
                     "[Other]\r\nphp_fn=/elsewhere.php\r\n[Preference_202206]\r\nserver=up.example\r\n");
  WriteServerDefaults();
  EXPECT_EQ(GetServer(), "up.example");
  EXPECT_EQ(GetScriptPath(), "/Test/upload/up.php");
  EXPECT_EQ(sandbox::ReadFile(SettingsFilePath()),
            "[Other]\r\nphp_fn=/elsewhere.php\r\n[Preference_202206]\r\nserver=up.example\r\n"
            "php_fn=/Test/upload/up.php\r\n");
}

TEST_F(UploadSettings, WriteIfAbsentRefusesEmptyNames) {
  MakeSettingsFolder();
  EXPECT_FALSE(WriteIfAbsent("", kSettingsSection, "server", "x"));
  EXPECT_FALSE(WriteIfAbsent(SettingsFilePath(), "", "server", "x"));
  EXPECT_FALSE(WriteIfAbsent(SettingsFilePath(), kSettingsSection, "", "x"));
  EXPECT_FALSE(fs::exists(SettingsFilePath()));
}
