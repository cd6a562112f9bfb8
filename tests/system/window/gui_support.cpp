#include "gui_support.h"

#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/clipbrd.h>
#include <wx/evtloop.h>
#include <wx/listbox.h>
#include <wx/msgdlg.h>
#include <wx/textctrl.h>
#include <wx/utils.h>

#include <chrono>
#include <memory>

#include "app/control_id.h"
#include "app/file_drop_target.h"
#include "app/wx_text.h"
#include "suite/profile.h"
#include "support/local_http_server.h"
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

}  // namespace

bool WaitUntil(const std::function<bool()>& done, int timeoutMs) {
  const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
  for (; !done(); wxMilliSleep(5)) {
    if (std::chrono::steady_clock::now() > end) return false;
    wxYield();
  }
  return true;
}

void ProcessPending() { WaitUntil([] { return false; }, 100); }

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

int ModalAnswerer::Enter(wxDialog* dialog) {
  if (auto* box = dynamic_cast<wxMessageDialogBase*>(dialog)) {
    messages.push_back(app::ToUtf8(box->GetMessage()));
    styles.push_back(box->GetMessageDialogStyle());
    firstLabels.push_back(app::ToUtf8((styles.back() & wxYES_NO) ? box->GetYesLabel() : box->GetOKLabel()));
  }
  return answer;
}

}  // namespace gui
