#include "gui_support.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <wx/app.h>
#include <wx/clipbrd.h>
#include <wx/evtloop.h>
#include <wx/listbox.h>
#include <wx/msgdlg.h>
#include <wx/textctrl.h>
#include <wx/utils.h>

#include <chrono>

#include "app/about_dialog.h"
#include "app/control_id.h"
#include "app/file_drop_target.h"
#include "app/wx_text.h"
#include "platform/profile.h"
#include "support/local_http_server.h"
#include "support/sandbox.h"
#include "update/update_check.h"

namespace gui {
namespace {

class WxEnvironment : public ::testing::Environment {
 public:
  void Start() {
    if (started_) return;
    wxApp::SetInstance(new wxApp);
    static char name[] = "test_dialog_gui";
    static char* argv[] = {name, nullptr};
    int argc = 1;
    ASSERT_TRUE(wxEntryStart(argc, argv)) << "no X display";
    loop_ = new wxGUIEventLoop;
    wxEventLoopBase::SetActive(loop_);
    started_ = true;
  }
  void TearDown() override {
    if (!started_) return;
    wxEventLoopBase::SetActive(nullptr);
    delete loop_;
    wxEntryCleanup();
  }

 private:
  bool started_ = false;
  wxGUIEventLoop* loop_ = nullptr;
};

WxEnvironment* const environment =
    static_cast<WxEnvironment*>(::testing::AddGlobalTestEnvironment(new WxEnvironment));

// Start-up runs the update check: unless a test names its own server, it meets
// one that refuses, so no test reaches a server it did not start.
void KeepUpdateCheckLocal() {
  static LocalHttpServer refusing(LocalHttpServer::Mode::kRefuse);
  platform::Profile profile(update::kProfile);
  if (profile.GetStr(update::kSection, update::kServerKey, "").empty()) {
    profile.WriteStr(update::kSection, update::kServerKey, refusing.HostPort());
  }
}

}  // namespace

void ProcessPending() {
  for (int round = 0; round < 10; ++round) {
    wxYield();
    wxMilliSleep(10);
  }
}

bool WaitUntil(const std::function<bool()>& done, int timeoutMs) {
  const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
  while (!done()) {
    if (std::chrono::steady_clock::now() > end) return false;
    wxYield();
    wxMilliSleep(5);
  }
  return true;
}

app::MainDialog* OpenDialog() {
  environment->Start();
  KeepUpdateCheckLocal();
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
  wxWindow* button = dialog.FindWindow(id);
  wxCommandEvent event(wxEVT_BUTTON, id);
  event.SetEventObject(button);
  button->GetEventHandler()->ProcessEvent(event);
}

void Drop(wxWindow& target, const std::vector<std::string>& paths) {
  wxArrayString names;
  for (const std::string& path : paths) names.Add(app::FromUtf8(path));
  auto* drop = dynamic_cast<app::FileDropTarget*>(target.GetDropTarget());
  ASSERT_NE(drop, nullptr);
  drop->OnDropFiles(0, 0, names);
}

std::vector<std::string> ListLines(wxWindow& dialog) {
  auto* list = wxStaticCast(dialog.FindWindow(app::Id(app::ControlId::List)), wxListBox);
  std::vector<std::string> lines;
  for (unsigned i = 0; i < list->GetCount(); ++i) lines.push_back(app::ToUtf8(list->GetString(i)));
  return lines;
}

std::string EditText(wxWindow& dialog) {
  return app::ToUtf8(wxStaticCast(dialog.FindWindow(app::Id(app::ControlId::Edit)), wxTextCtrl)->GetValue());
}

std::string ClipboardText() {
  wxClipboardLocker locker;
  wxTextDataObject data;
  if (!locker || !wxTheClipboard->GetData(data)) return {};
  return app::ToUtf8(data.GetText());
}

void InstallOpener(int status) {
  const std::string bin = sandbox::Path("bin");
  sandbox::MakeDirs(bin);
  ::setenv("PATH", (bin + ":/usr/bin:/bin").c_str(), 1);
  sandbox::WriteFile(bin + "/xdg-open", "#!/bin/sh\nprintf '%s\\n' \"$#\" \"$@\" > '" + OpenerRecord() + "'\nexit " +
                                            std::to_string(status) + "\n");
  ::chmod((bin + "/xdg-open").c_str(), 0755);
}

std::string OpenerRecord() { return sandbox::Path("opened.txt"); }

ModalAnswerer::ModalAnswerer() { Register(); }
ModalAnswerer::~ModalAnswerer() { Unregister(); }

int ModalAnswerer::Enter(wxDialog* dialog) {
  if (auto* box = dynamic_cast<wxMessageDialogBase*>(dialog)) {
    messages.push_back(app::ToUtf8(box->GetMessage()));
    const long style = box->GetMessageDialogStyle();
    styles.push_back(style);
    firstLabels.push_back(app::ToUtf8((style & wxYES_NO) ? box->GetYesLabel() : box->GetOKLabel()));
  } else if (dynamic_cast<app::AboutDialog*>(dialog)) {
    dialog->InitDialog();
    for (const int id : {app::Id(app::ControlId::AboutVersion), app::Id(app::ControlId::AboutNotice)}) aboutTexts.push_back(app::ToUtf8(dialog->FindWindow(id)->GetLabel()));
  }
  return answer;
}

void ModalAnswerer::Exit(wxDialog*) {}

}  // namespace gui
