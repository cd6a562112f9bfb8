#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <regex>
#include <set>

#include "app/control_id.h"
#include "app/wx_text.h"
#include "gui_support.h"
#include "platform/ini/ini_file.h"
#include "platform/system/feedback.h"
#include "publish/publish.h"
#include "publish/upload_settings.h"
#include "suite/folders.h"
#include "support/local_http_server.h"
#include "support/sandbox.h"
#include "support/upload_servers.h"
#include "support/upload_site.h"

namespace {

// Settings for the upload script at "/Test/upload/up.php" of the server, over plain HTTP.
void SetServer(const std::string& server) {
  sandbox::WriteFile(publish::SettingsFilePath(), "[Preference_202206]\nserver=" + server + "\nopen_http=http\n");
}

bool Uploading(wxWindow& dialog) { return !dialog.FindWindow(app::Id(app::ControlId::Upload))->IsEnabled(); }

// Clicks Upload and waits for the result.
void Upload(wxWindow& dialog) {
  gui::Click(dialog, app::Id(app::ControlId::Upload));
  ASSERT_TRUE(gui::WaitUntil([&dialog] { return !Uploading(dialog); }));
}

}  // namespace

// With the reference upload script the page is published, its address shown
// and copied; a failure names the file, shows the address and copies nothing.
TEST(DialogUpload, PublishesThePageShowsAndCopiesItsAddressAndSaysWhatFailed) {
  const std::string scriptFolder = sandbox::Path("www/Test/upload");
  sandbox::WriteFile(scriptFolder + "/up.php", sandbox::ReadFile(WXPUB_SOURCE_DIR "/server/upload.php"));
  const testserver::PhpServer server(sandbox::Path("www"));
  SetServer(testserver::LocalServer(server.port));
  app::MainDialog* dialog = gui::OpenDialog();
  gui::ModalAnswerer answerer;
  Upload(*dialog);   // an empty list publishes nothing
  ASSERT_EQ(answerer.messages.size(), 1u);
  EXPECT_EQ(answerer.messages[0], "アップロードに失敗しました。\n理由: 公開するファイルがありません");
  EXPECT_EQ(sandbox::ReadFile(scriptFolder + "/data/" + UserPageName()), "");
  gui::Drop(*dialog, {sandbox::WriteFile(sandbox::Path("drop/notes.txt"), "hello")});
  Upload(*dialog);
  const std::string site = "http://" + testserver::LocalServer(server.port) + "/Test/";
  EXPECT_EQ(gui::EditText(*dialog), site + "upload/data/" + UserPageName());
  EXPECT_EQ(gui::ClipboardText(), gui::EditText(*dialog));
  EXPECT_EQ(app::ToUtf8(dialog->GetTitle()), "html などのアップロード");
  EXPECT_EQ(sandbox::ReadFile(scriptFolder + "/data/notes.txt"), "hello");

  platform::IniWriteString(publish::kSettingsSection, "php_fn", "/Test/missing/up.php", publish::SettingsFilePath());
  Upload(*dialog);
  ASSERT_EQ(answerer.messages.size(), 2u);  // the upload of the file showed none
  const std::string& text = answerer.messages[1];
  EXPECT_TRUE(text.starts_with("アップロードに失敗しました。\nファイル: ")) << text;
  EXPECT_NE(text.find("/drop/notes.txt\n理由: サーバーが 404 を返しました"), std::string::npos) << text;
  EXPECT_EQ(gui::EditText(*dialog), site + "missing/data/" + UserPageName());
  EXPECT_EQ(gui::ClipboardText(), site + "upload/data/" + UserPageName());
  gui::CloseDialog(dialog);
}

// A large file on its way to a server that reads it slowly: titles show the
// file and its share, the window answers (drops are ignored, Clear list is
// off) and lays itself out anew; closing it stops the job at once, its staged
// copies go at exit and the thread's interface is what it was before.
TEST(DialogUpload, WhileALargeFileGoesOutTheWindowAnswersAndClosingStopsIt) {
  LocalHttpServer server;
  server.SetResponse(200, "", "", 8 << 10);  // ten seconds for the file
  SetServer(server.HostPort());
  const std::string dayFolder = suite::GetDatedTempFolder();
  app::MainDialog* dialog = gui::OpenDialog();
  gui::Drop(*dialog, {sandbox::WriteFile(sandbox::Path("drop/large.bin"), std::string(8 << 20, 'x'))});
  gui::Click(*dialog, app::Id(app::ControlId::Upload));
  ASSERT_TRUE(Uploading(*dialog));
  EXPECT_FALSE(dialog->FindWindow(app::Id(app::ControlId::ClearList))->IsEnabled());
  gui::Drop(*dialog, {sandbox::WriteFile(sandbox::Path("drop/late.txt"), "late")});
  EXPECT_EQ(gui::ListLines(*dialog).size(), 1u);

  dialog->SetClientSize(700, 500);
  dialog->SendSizeEvent(wxSEND_EVENT_POST);
  const auto width = [dialog](app::ControlId id) { return dialog->FindWindow(app::Id(id))->GetSize().x; };
  std::set<std::string> shares;
  ASSERT_TRUE(gui::WaitUntil([&] {
    if (app::ToUtf8(dialog->GetTitle()).ends_with("%")) shares.insert(app::ToUtf8(dialog->GetTitle()));
    return shares.size() >= 2 && width(app::ControlId::List) == 698 && width(app::ControlId::Edit) == 698;
  }));
  EXPECT_TRUE(Uploading(*dialog));
  for (const auto& title : shares) EXPECT_TRUE(std::regex_match(title, std::regex("wx_pub  [12]/2  \\d+%"))) << title;

  const auto closing = std::chrono::steady_clock::now();
  gui::CloseDialog(dialog);
  EXPECT_LT(std::chrono::steady_clock::now() - closing, std::chrono::seconds(2));
  EXPECT_EQ(platform::InstalledUserInterface(), nullptr);
  publish::RemoveDeferredAtExit();
  EXPECT_FALSE(std::filesystem::exists(dayFolder));
}
