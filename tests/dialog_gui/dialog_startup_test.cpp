#include <gtest/gtest.h>

#include <chrono>

#include "app/control_id.h"
#include "gui_support.h"
#include "net/download_cache.h"
#include "platform/file_status.h"
#include "platform/folders.h"
#include "platform/ini_file.h"
#include "platform/profile.h"
#include "publish/upload_settings.h"
#include "support/local_http_server.h"
#include "support/sandbox.h"
#include "support/scoped_env.h"
#include "update/update_check.h"

TEST(DialogStartup, WritesTheServerKeysAndShowsTheBrowserAddress) {
  sandbox::MakeDirs(platform::GetSettingsFolder());
  app::MainDialog* dialog = gui::OpenDialog();

  EXPECT_EQ(publish::ReadSettingValue("php_fn", ""), "/Test/upload/up.php");
  const std::string server = publish::ReadSettingValue("server", "");
  EXPECT_FALSE(server.empty());
  EXPECT_EQ(gui::EditText(*dialog), "https://" + server + "/Test/upload/data/");
  gui::CloseDialog(dialog);
}

TEST(DialogStartup, KeepsAServerThatIsSetAndAnEmptyScheme) {
  sandbox::MakeDirs(platform::GetSettingsFolder());
  platform::IniWriteString(publish::kSettingsSection, "server", "files.example.net:8080", publish::SettingsFilePath());
  platform::IniWriteString(publish::kSettingsSection, "open_http", "", publish::SettingsFilePath());
  app::MainDialog* dialog = gui::OpenDialog();
  EXPECT_EQ(gui::EditText(*dialog), "//files.example.net:8080/Test/upload/data/");
  gui::CloseDialog(dialog);
}

TEST(DialogStartup, WithoutTheSettingsFolderTheDefaultsApply) {
  app::MainDialog* dialog = gui::OpenDialog();
  EXPECT_FALSE(platform::FileExists(publish::SettingsFilePath()));
  EXPECT_EQ(gui::EditText(*dialog), "https://" + publish::ReadUploadSettings().server + "/z_Suite/upload/share/data/");
  gui::CloseDialog(dialog);
}

// A count past the limit has the page opened by the desktop opener stand-in.
TEST(DialogStartup, RunsTheUpdateCheckOnceAndOpensThePage) {
  ScopedEnv noProxy("no_proxy", std::string("*"));
  LocalHttpServer server;
  server.SetResponse(200, "<p>download page</p>");
  platform::Profile(update::kProfile).WriteStr(update::kSection, update::kServerKey, server.HostPort());
  platform::Profile(update::kProfile).WriteInt(update::kSection, update::kCountKey, 9);
  gui::InstallOpener(0);
  app::MainDialog* dialog = gui::OpenDialog();
  ASSERT_TRUE(gui::WaitUntil([] { return platform::FileExists(gui::OpenerRecord()); }));
  EXPECT_EQ(server.Requests().size(), 1u);
  EXPECT_EQ(sandbox::ReadFile(net::CachePath(update::UpdatePageAddress())), "<p>download page</p>");
  EXPECT_EQ(sandbox::ReadFile(gui::OpenerRecord()), "1\nhttps:" + update::UpdatePageAddress() + "\n");
  gui::CloseDialog(dialog);
}

TEST(DialogStartup, ASilentUpdateServerHoldsNeitherTheWindowNorItsClosing) {
  ScopedEnv noProxy("no_proxy", std::string("*"));
  LocalHttpServer silent(LocalHttpServer::Mode::kSilent);
  platform::Profile(update::kProfile).WriteStr(update::kSection, update::kServerKey, silent.HostPort());
  const auto opening = std::chrono::steady_clock::now();
  app::MainDialog* dialog = gui::OpenDialog();
  bool answered = false;
  dialog->CallAfter([&answered] { answered = true; });
  EXPECT_TRUE(gui::WaitUntil([&answered] { return answered; }, 1000));
  EXPECT_LT(std::chrono::steady_clock::now() - opening, std::chrono::seconds(1));
  const auto closing = std::chrono::steady_clock::now();
  gui::CloseDialog(dialog);
  EXPECT_LT(std::chrono::steady_clock::now() - closing, std::chrono::seconds(2));
}
