// The main dialog driven through its handlers on the virtual display, the
// way its controls would: its language, its list, its message boxes, its
// start-up and its upload.

#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/button.h>
#include <wx/clipbrd.h>
#include <wx/evtloop.h>
#include <wx/listbox.h>
#include <wx/modalhook.h>
#include <wx/msgdlg.h>
#include <wx/textctrl.h>
#include <wx/utils.h>

#include <chrono>
#include <clocale>
#include <ctime>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <regex>
#include <set>

#include "app/control_id.h"
#include "app/file_drop_target.h"
#include "app/main_dialog.h"
#include "app/message_box.h"
#include "app/upload_failure_text.h"
#include "app/window_language.h"
#include "app/wx_text.h"
#include "platform/fs/file_status.h"
#include "platform/ini/ini_file.h"
#include "platform/system/feedback.h"
#include "publish/publish.h"
#include "publish/upload_settings.h"
#include "suite/folders.h"
#include "suite/profile.h"
#include "support/local_http_server.h"
#include "support/page_fixture.h"
#include "support/sandbox.h"
#include "support/scoped_env.h"
#include "support/upload_servers.h"
#include "support/upload_site.h"
#include "update/update_check.h"

namespace gui {
namespace {

// wx runs, with one active event loop, for the whole test program.
class WxEnvironment : public ::testing::Environment {
  void SetUp() override {
    wxApp::SetInstance(new wxApp);
    static char name[] = "test_system_window";
    static char* argv[] = {name, nullptr};
    int argc = 1;
    ASSERT_TRUE(wxEntryStart(argc, argv)) << "no X display";
    loop_ = std::make_unique<wxGUIEventLoop>();
    wxEventLoopBase::SetActive(loop_.get());
  }
  void TearDown() override {
    wxEventLoopBase::SetActive(nullptr);
    loop_.reset();
    wxEntryCleanup();
  }
  std::unique_ptr<wxGUIEventLoop> loop_;
};

[[maybe_unused]] ::testing::Environment* const environment = ::testing::AddGlobalTestEnvironment(new WxEnvironment);

// Processes events until done() holds (true) or the time is up (false).
bool WaitUntil(const std::function<bool()>& done, int timeoutMs = 30000) {
  const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
  for (; !done(); wxMilliSleep(5)) {
    if (std::chrono::steady_clock::now() > end) return false;
    wxYield();
  }
  return true;
}

// Lets the display and the toolkit catch up with what was asked of them.
void ProcessPending() { WaitUntil([] { return false; }, 100); }

// A shown and started dialog.
app::MainDialog* OpenDialog() {
  // Start-up runs the update check: unless a test names its own server, it meets
  // one that refuses, so no test reaches a server it did not start.
  static LocalHttpServer refusing(LocalHttpServer::Mode::kRefuse);
  suite::Profile profile(update::kProfile);
  if (profile.GetStr(update::kSection, update::kServerKey, "").empty())
    profile.WriteStr(update::kSection, update::kServerKey, refusing.HostPort());
  auto* dialog = new app::MainDialog;
  dialog->Show();
  ProcessPending();
  return dialog;
}

void CloseDialog(app::MainDialog* dialog) {
  dialog->Destroy();
  ProcessPending();
}

void Click(wxWindow& dialog, int id) {
  wxCommandEvent event(wxEVT_BUTTON, id);
  dialog.FindWindow(id)->GetEventHandler()->ProcessEvent(event);
}

// A drop of files onto the given window, through its drop target.
void Drop(wxWindow& target, const std::vector<std::string>& paths) {
  wxArrayString names;
  for (const std::string& path : paths) names.Add(app::FromUtf8(path));
  auto* drop = dynamic_cast<app::FileDropTarget*>(target.GetDropTarget());
  ASSERT_NE(drop, nullptr);
  drop->OnDropFiles(0, 0, names);
}

std::vector<std::string> ListLines(wxWindow& dialog) {
  std::vector<std::string> lines;
  for (const wxString& line : wxStaticCast(dialog.FindWindow(app::Id(app::ControlId::List)), wxListBox)->GetStrings())
    lines.push_back(app::ToUtf8(line));
  return lines;
}

std::string EditText(wxWindow& dialog) {
  return app::ToUtf8(wxStaticCast(dialog.FindWindow(app::Id(app::ControlId::Edit)), wxTextCtrl)->GetValue());
}

std::string ClipboardText() {
  wxClipboardLocker locker;
  wxTextDataObject data;
  return !!locker && wxTheClipboard->GetData(data) ? app::ToUtf8(data.GetText()) : "";
}

// Answers every modal dialog before it appears (with `answer`) and keeps the
// message, style and first button label of each message box.
struct ModalAnswerer : wxModalDialogHook {
  ModalAnswerer() { Register(); }
  ~ModalAnswerer() override { Unregister(); }
  int Enter(wxDialog* dialog) override {
    if (auto* box = dynamic_cast<wxMessageDialogBase*>(dialog)) {
      messages.push_back(app::ToUtf8(box->GetMessage()));
      styles.push_back(box->GetMessageDialogStyle());
      firstLabels.push_back(app::ToUtf8((styles.back() & wxYES_NO) ? box->GetYesLabel() : box->GetOKLabel()));
    }
    return answer;
  }
  void Exit(wxDialog*) override {}
  int answer = wxID_OK;
  std::vector<std::string> messages, firstLabels;
  std::vector<long> styles;
};

}  // namespace
}  // namespace gui

namespace {

using Kind = publish::FailureCause::Kind;

struct Words {
  std::string caption;
  std::vector<std::string> buttons;  // quit, clear list, upload, open in browser
  std::string failure;
};

// The failure text names each listed file, then its cause and the detail in brackets.
const Words kJapanese = {"html などのアップロード",
                         {"終了(&Q)", "リストのクリア(&C)", "アップロード(&U)", "ブラウザで開く(&O)"},
                         "アップロードに失敗しました。\nファイル: /写真 2026.jpg\n理由: サーバーが 500 を返しました (d)\n"
                         "ファイル: /b.bin\n理由: ファイルが上限の 10 MiB を超えています (d)\n理由: ディスクがいっぱいです (d)"};
const Words kEnglish = {"Upload html and other files",
                        {"&Quit", "&Clear list", "&Upload", "&Open in browser"},
                        "The upload failed.\nFile: /写真 2026.jpg\nReason: the server answered 500 (d)\n"
                        "File: /b.bin\nReason: the file is larger than the limit of 10 MiB (d)\n"
                        "Reason: the disk is full (d)"};

// Japanese under C and in Japanese, English for every other language, read
// as gettext reads it: LC_ALL before LC_MESSAGES before LANG, LANGUAGE first
// unless the locale is C.
TEST(DialogLanguage, JapaneseUnderCAndInJapaneseEnglishForEveryOtherLanguage) {
  using Env = std::optional<std::string>;
  for (const auto& [lcAll, lcMessages, lang, language, words] : std::vector<std::tuple<Env, Env, Env, Env, Words>>{
           {{}, {}, {}, {}, kJapanese}, {{}, {}, "C", {}, kJapanese}, {{}, {}, "C.UTF-8", "en", kJapanese},
           {{}, {}, "ja_JP.UTF-8", {}, kJapanese}, {{}, {}, "en_US.UTF-8", {}, kEnglish},
           {{}, {}, "de_DE.UTF-8", {}, kEnglish}, {{}, {}, "en_GB.UTF-8", "ja:en", kJapanese},
           {{}, {}, "ja_JP.UTF-8", "fr", kEnglish}, {{}, "POSIX", "en_US.UTF-8", {}, kJapanese},
           {"ja_JP.UTF-8", "en_US.UTF-8", "en_US.UTF-8", {}, kJapanese},
           {"", "fr_FR.UTF-8", "ja_JP.UTF-8", {}, kEnglish}}) {
    const ScopedEnv a("LC_ALL", lcAll), m("LC_MESSAGES", lcMessages), l("LANG", lang), g("LANGUAGE", language);
    const std::string row = lcAll.value_or("-") + " " + lcMessages.value_or("-") + " " + lang.value_or("-") + " " +
                            language.value_or("-");
    app::UseWindowLanguage(WXPUB_BUILD_LOCALE_DIR);
    app::MainDialog* dialog = gui::OpenDialog();
    EXPECT_EQ(app::ToUtf8(dialog->GetTitle()), words.caption) << row;
    std::vector<std::string> labels;
    for (const app::ControlId id :
         {app::ControlId::Quit, app::ControlId::ClearList, app::ControlId::Upload, app::ControlId::OpenBrowser})
      labels.push_back(app::ToUtf8(dialog->FindWindow(app::Id(id))->GetLabel()));
    EXPECT_EQ(labels, words.buttons) << row;
    EXPECT_EQ(app::UploadFailureText({{"/写真 2026.jpg", {Kind::ServerStatus, 500}, "d"},
                                      {"/b.bin", {Kind::TooLarge, 10 << 20}, "d"}, {"", {Kind::DiskFull}, "d"}}),
              words.failure) << row;
    gui::CloseDialog(dialog);
  }
}



// 2024-03-05 06:07:08 UTC
constexpr std::time_t kTime = 1709618828;
const std::string kDate = "2024/03/05 06:07:08 ";

// Files named at start (their bytes kept under the C locale, one that cannot
// be read reported once the window is up) and drops on the window and on the
// list box make one list, sorted and without duplicates; clearing it leaves
// the address and an empty list for the next drop.
TEST(DialogList, StartFilesAndDropsMakeOneSortedListThatClearingEmpties) {
  const ScopedEnv utc("TZ", std::string("UTC"));
  app::MainDialog* dialog = gui::OpenDialog();
  gui::ModalAnswerer answerer;
  const std::string drop = sandbox::Path("drop/");
  for (const auto& [name, size] : std::vector<std::pair<std::string, size_t>>{
           {"写真.txt", 5}, {"caf\xe9.txt", 1023}, {"b.txt", 0}, {"B.txt", 1024}})
    page_test::MakeFile(drop + name, std::string(size, 'x'), kTime);
  std::string arguments[] = {"wx_pub", drop + "写真.txt", drop + "caf\xe9.txt", drop + "gone.txt"};
  const std::string locale = std::setlocale(LC_ALL, nullptr);
  std::setlocale(LC_ALL, "C");
  dialog->DropStartFiles({platform::AbsolutePath(arguments[1]), platform::AbsolutePath(arguments[2]),
                          platform::AbsolutePath(arguments[3])});
  gui::ProcessPending();
  std::setlocale(LC_ALL, locale.c_str());
  gui::Drop(*dialog, {drop + "b.txt"});
  gui::Drop(*dialog->FindWindow(app::Id(app::ControlId::List)), {drop + "B.txt", arguments[1]});

  EXPECT_EQ(gui::ListLines(*dialog), (std::vector<std::string>{kDate + "  1.00 Kバイト B.txt", kDate + "      0 バイト b.txt",
                                                               kDate + "   1,023 バイト caf\uFFFD.txt",
                                                               "1970/01/01 00:00:00       0 バイト gone.txt",
                                                               kDate + "      5 バイト 写真.txt"}));
  EXPECT_EQ(answerer.messages, std::vector<std::string>{"読めないファイルがあります。\nファイル: " + arguments[3] +
                                                        "\n理由: No such file or directory"});
  gui::Click(*dialog, app::Id(app::ControlId::ClearList));
  EXPECT_TRUE(gui::ListLines(*dialog).empty());
  EXPECT_EQ(gui::EditText(*dialog), "https://localhost/z_Suite/upload/share/data/");
  std::filesystem::create_directories(drop + "folder");
  gui::Drop(*dialog, {arguments[1], drop + "folder"});
  gui::ProcessPending();
  EXPECT_EQ(gui::ListLines(*dialog), std::vector<std::string>{kDate + "      5 バイト 写真.txt"});
  EXPECT_EQ(answerer.messages.back(), "フォルダーは公開できません:\n" + drop + "folder");
  gui::CloseDialog(dialog);
}

}  // namespace

// Each button set gives its own answers for the box's buttons; the icon and
// default button become the box's style, and buttons wx lacks are relabelled
// (the toolkit writes the mnemonic its own way); the others keep the
// toolkit's stock buttons.
TEST(DialogMessageBox, ButtonSetsIconsAndDefaultButtons) {
  using app::Answer, app::Buttons, app::DefaultButton, app::Icon;
  app::MainDialog* dialog = gui::OpenDialog();
  gui::ModalAnswerer answerer;
  // box, id of the button pressed, answer, first label, icon and default style
  for (const auto& [box, id, answer, label, style] : std::vector<std::tuple<app::BoxStyle, int, Answer, std::string, long>>{
           {{Buttons::AbortRetryIgnore, Icon::Stop}, wxID_NO, Answer::Retry, "中止(", wxICON_ERROR},
           {{Buttons::AbortRetryIgnore, Icon::None, DefaultButton::Third}, wxID_CANCEL, Answer::Ignore, "中止(",
            wxICON_NONE | wxCANCEL_DEFAULT},
           {{Buttons::RetryCancel, Icon::Exclamation}, wxID_OK, Answer::Retry, "再試行(", wxICON_EXCLAMATION},
           {{Buttons::YesNo, Icon::Question, DefaultButton::Second}, wxID_NO, Answer::No, "gtk-yes",
            wxICON_QUESTION | wxNO_DEFAULT},
           {{Buttons::Ok, Icon::Information}, wxID_CANCEL, Answer::Ok, "gtk-ok", wxICON_INFORMATION},
           {{Buttons::YesNoCancel}, wxID_CANCEL, Answer::Cancel, "gtk-yes", wxICON_NONE}}) {
    answerer.answer = id;
    EXPECT_EQ(app::MessageBoxLog(dialog, label, box), answer) << label;
    EXPECT_TRUE(answerer.firstLabels.back().starts_with(label)) << answerer.firstLabels.back();
    EXPECT_EQ(answerer.styles.back() & (wxICON_MASK | wxNO_DEFAULT | wxCANCEL_DEFAULT), style) << label;
  }
  EXPECT_EQ(answerer.messages.size(), 6u);
  gui::CloseDialog(dialog);
}

// The update check at start-up holds the window up no more than a silent
// server does; a count past the limit has the page opened, as the browser
// button opens the address shown (without an opener on the path, the shell's
// message names each).
TEST(DialogStartup, TheUpdateCheckHoldsNothingAndOpensThePagePastTheLimit) {
  const ScopedEnv noProxy("no_proxy", std::string("*"));
  LocalHttpServer silent(LocalHttpServer::Mode::kSilent);
  suite::Profile(update::kProfile).WriteStr(update::kSection, update::kServerKey, silent.HostPort());
  const auto opening = std::chrono::steady_clock::now();
  app::MainDialog* dialog = gui::OpenDialog();
  bool answered = false;
  dialog->CallAfter([&answered] { answered = true; });
  EXPECT_TRUE(gui::WaitUntil([&answered] { return answered; }, 1000));
  EXPECT_LT(std::chrono::steady_clock::now() - opening, std::chrono::seconds(1));
  const auto closing = std::chrono::steady_clock::now();
  gui::CloseDialog(dialog);
  EXPECT_LT(std::chrono::steady_clock::now() - closing, std::chrono::seconds(2));

  const ScopedEnv noOpener("PATH", sandbox::Root());
  LocalHttpServer server;
  server.SetResponse(200, "<p>download page</p>");
  suite::Profile(update::kProfile).WriteStr(update::kSection, update::kServerKey, server.HostPort());
  suite::Profile(update::kProfile).WriteInt(update::kSection, update::kCountKey, 9);
  gui::ModalAnswerer answerer;
  dialog = gui::OpenDialog();
  ASSERT_TRUE(gui::WaitUntil([&answerer] { return !answerer.messages.empty(); }));
  EXPECT_EQ(server.Requests().size(), 1u);
  const std::string opener = "\nOperation=\"open\"\nFile=\"\"\nParamaters=\"";
  EXPECT_TRUE(answerer.messages[0].ends_with(opener + "https://" + server.HostPort() + "/z_Suite/download\""))
      << answerer.messages[0];
  gui::Click(*dialog, app::Id(app::ControlId::OpenBrowser));
  EXPECT_TRUE(answerer.messages.at(1).ends_with(opener + gui::EditText(*dialog) + "\"")) << answerer.messages.back();
  gui::CloseDialog(dialog);
}

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
