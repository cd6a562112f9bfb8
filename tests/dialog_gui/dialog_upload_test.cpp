#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <memory>
#include <regex>
#include <set>
#include <utility>

#include "app/control_id.h"
#include "app/wx_text.h"
#include "gui_support.h"
#include "platform/folders.h"
#include "platform/ini_file.h"
#include "publish/publish.h"
#include "publish/upload_settings.h"
#include "support/local_http_server.h"
#include "support/sandbox.h"
#include "support/upload_servers.h"

namespace {

// The reference upload script at "/Test/upload/up.php" of a local PHP server.
class DialogUpload : public ::testing::Test {
 protected:
  void SetUp() override {
    const std::string www = sandbox::Path("www");
    scriptFolder = www + "/Test/upload";
    sandbox::MakeDirs(scriptFolder);
    std::filesystem::copy_file(std::string(WXPUB_SOURCE_DIR) + "/server/upload.php", scriptFolder + "/up.php");
    server = std::make_unique<testserver::PhpServer>(www);
    sandbox::MakeDirs(platform::GetSettingsFolder());
    Set("server", testserver::LocalServer(server->Port()));
    Set("php_fn", "/Test/upload/up.php");
    Set("open_http", "http");
    dialog = gui::OpenDialog();
  }
  void TearDown() override {
    if (dialog) gui::CloseDialog(dialog);
  }

  static void Set(const std::string& key, const std::string& value) {
    platform::IniWriteString(publish::kSettingsSection, key, value, publish::SettingsFilePath());
  }
  std::string Dropped(const std::string& name, const std::string& content) {
    const std::string path = sandbox::Path("drop/" + name);
    sandbox::WriteFile(path, content);
    return path;
  }
  bool Uploading() const { return !dialog->FindWindow(app::Id(app::ControlId::Upload))->IsEnabled(); }
  void Upload() {
    gui::Click(*dialog, app::Id(app::ControlId::Upload));
    ASSERT_TRUE(gui::WaitUntil([this] { return !Uploading(); }));
  }
  // A large file on its way to a server that reads it at the given pace.
  void StartSlowUpload(LocalHttpServer& server, size_t bytesPerRead) {
    server.SetReadPace(bytesPerRead, 10);
    Set("server", server.HostPort());
    gui::Drop(*dialog, {Dropped("large.bin", std::string(8 << 20, 'x'))});
    gui::Click(*dialog, app::Id(app::ControlId::Upload));
  }
  std::string Title() const { return app::ToUtf8(dialog->GetTitle()); }
  std::string Address(const std::string& folder) const {
    return "http://" + testserver::LocalServer(server->Port()) + folder + publish::UploadPageName();
  }

  std::string scriptFolder;
  std::unique_ptr<testserver::PhpServer> server;
  app::MainDialog* dialog = nullptr;
  gui::ModalAnswerer answerer;
};

}  // namespace

TEST_F(DialogUpload, PublishesThePageAndShowsAndCopiesItsAddress) {
  gui::Drop(*dialog, {Dropped("notes.txt", "hello"), Dropped("b.css", "p{}")});
  Upload();

  const std::string address = Address("/Test/upload/data/");
  EXPECT_EQ(gui::EditText(*dialog), address);
  EXPECT_EQ(gui::ClipboardText(), address);
  EXPECT_TRUE(answerer.messages.empty()) << answerer.messages.front();
  EXPECT_EQ(sandbox::ReadFile(scriptFolder + "/data/notes.txt"), "hello");
  EXPECT_NE(sandbox::ReadFile(scriptFolder + "/data/" + publish::UploadPageName()).find("notes.txt"), std::string::npos);
}

TEST_F(DialogUpload, AFailedUploadSaysWhichFileAndStillShowsTheAddress) {
  Set("php_fn", "/Test/missing/up.php");
  const std::string file = Dropped("notes.txt", "hello");
  gui::Drop(*dialog, {file});
  Upload();

  ASSERT_EQ(answerer.messages.size(), 1u);
  EXPECT_TRUE(answerer.messages[0].starts_with("アップロードに失敗しました。\nファイル: ")) << answerer.messages[0];
  // The transport gives up on the first file it sends: the page or the dropped file.
  const std::string& text = answerer.messages[0];
  EXPECT_TRUE(text.find("notes.txt") != std::string::npos || text.find(publish::UploadPageName()) != std::string::npos) << text;
  const std::string address = Address("/Test/missing/data/");
  EXPECT_EQ(gui::EditText(*dialog), address);
  EXPECT_EQ(gui::ClipboardText(), address);
}

TEST_F(DialogUpload, WhileALargeFileGoesOutTheWindowShowsItsShareAndAnswers) {
  LocalHttpServer server;
  StartSlowUpload(server, 32 << 10);
  ASSERT_TRUE(Uploading());
  EXPECT_FALSE(dialog->FindWindow(app::Id(app::ControlId::ClearList))->IsEnabled());
  gui::Drop(*dialog, {Dropped("late.txt", "late")});
  EXPECT_EQ(dialog->GetFileList().size(), 1u);

  dialog->SetClientSize(700, 500);
  dialog->SendSizeEvent(wxSEND_EVENT_POST);
  std::set<std::string> shares;
  bool resizedMeanwhile = false;
  ASSERT_TRUE(gui::WaitUntil([&] {
    if (Title().ends_with("%")) shares.insert(Title());
    resizedMeanwhile = resizedMeanwhile || (Uploading() && dialog->FindWindow(app::Id(app::ControlId::List))->GetSize().x == 698);
    return !Uploading();
  }));
  EXPECT_TRUE(resizedMeanwhile);
  EXPECT_GE(shares.size(), 2u);
  for (const std::string& title : shares) EXPECT_TRUE(std::regex_match(title, std::regex("wx_pub  [12]/2  \\d+%"))) << title;
}

TEST_F(DialogUpload, ClosingTheWindowMidUploadStopsItAndLeavesNothingStaged) {
  const std::string dayFolder = platform::GetDatedTempFolder();
  LocalHttpServer server;
  StartSlowUpload(server, 8 << 10);   // takes ten seconds
  ASSERT_TRUE(gui::WaitUntil([this] { return Title().ends_with("%"); }));
  const auto closing = std::chrono::steady_clock::now();
  gui::CloseDialog(std::exchange(dialog, nullptr));
  EXPECT_LT(std::chrono::steady_clock::now() - closing, std::chrono::seconds(2));
  publish::RemoveDeferredAtExit();
  EXPECT_FALSE(std::filesystem::exists(dayFolder));
}
