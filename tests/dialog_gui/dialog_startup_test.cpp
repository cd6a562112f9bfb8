#include <gtest/gtest.h>

#include "app/dialog_ids.h"
#include "gui_support.h"
#include "net/cache_path.h"
#include "platform/file_services.h"
#include "platform/folders.h"
#include "platform/ini_file.h"
#include "platform/profile.h"
#include "support/local_http_server.h"
#include "support/sandbox.h"
#include "support/scoped_env.h"
#include "update/update_check.h"
#include "upfile/upload_settings.h"

TEST(DialogStartup, WritesTheServerKeysAndShowsTheBrowserAddress) {
  sandbox::MakeDirs(GetSettingsFolder());
  CWx_pubDlg* dialog = gui::OpenDialog();

  EXPECT_EQ(ReadSettingValue("php_fn", ""), "/Test/upload/up.php");
  const std::string server = ReadSettingValue("server", "");
  EXPECT_FALSE(server.empty());
  EXPECT_EQ(gui::EditText(*dialog), "https://" + server + "/Test/upload/data/");
  gui::CloseDialog(dialog);
}

TEST(DialogStartup, KeepsAServerThatIsSetAndAnEmptyScheme) {
  sandbox::MakeDirs(GetSettingsFolder());
  IniWriteString(kSettingsSection, "server", "files.example.net:8080", SettingsFilePath());
  IniWriteString(kSettingsSection, "open_http", "", SettingsFilePath());
  CWx_pubDlg* dialog = gui::OpenDialog();
  EXPECT_EQ(gui::EditText(*dialog), "//files.example.net:8080/Test/upload/data/");
  gui::CloseDialog(dialog);
}

TEST(DialogStartup, WithoutTheSettingsFolderTheDefaultsApply) {
  CWx_pubDlg* dialog = gui::OpenDialog();
  EXPECT_FALSE(FileExists(SettingsFilePath()));
  EXPECT_EQ(gui::EditText(*dialog), "https://" + GetServer() + "/z_Suite/upload/share/data/");
  gui::CloseDialog(dialog);
}

TEST(DialogStartup, RunsTheUpdateCheckOnce) {
  ScopedEnv noProxy("no_proxy", std::string("*"));
  LocalHttpServer server;
  server.SetResponse(200, "<p>download page</p>");
  Env(kUpdateProfile).WriteStr(kUpdateSection, kUpdateServerKey, server.HostPort());
  CWx_pubDlg* dialog = gui::OpenDialog();
  EXPECT_EQ(server.Requests().size(), 1u);
  EXPECT_EQ(sandbox::ReadFile(cache_path(update_page_address())), "<p>download page</p>");
  gui::CloseDialog(dialog);
}
