#include "app/main_dialog.h"

#include <wx/button.h>
#include <wx/dcclient.h>
#include <wx/listbox.h>
#include <wx/menu.h>
#include <wx/settings.h>
#include <wx/textctrl.h>
#include <wx/utils.h>
#include <wx/valtext.h>

#include <algorithm>
#include <atomic>
#include <cstring>

#include "app/about_dialog.h"
#include "app/app_icon.h"
#include "app/clipboard_text.h"
#include "app/control_id.h"
#include "app/dialog_font.h"
#include "app/dialog_user_interface.h"
#include "app/file_drop_target.h"
#include "app/list_line.h"
#include "app/message_box.h"
#include "app/open_in_browser.h"
#include "app/upload_failure_text.h"
#include "app/upload_relay.h"
#include "app/window_language.h"
#include "app/wx_text.h"
#include "platform/fs/file_status.h"
#include "platform/system/feedback.h"
#include "publish/publish.h"
#include "update/update_check.h"

namespace app {

namespace {

struct ControlTemplate {
  int id;
  const char* text;
  int x, y, width, height;
};

// Positions and sizes in dialog units.
constexpr int kDialogWidth = 274;
constexpr int kDialogHeight = 201;
constexpr ControlTemplate kButtons[] = {
    {Id(ControlId::Ok), "OK", 274, 0, 37, 14},
    {Id(ControlId::Quit), "終了(&Q)", 0, 0, 38, 14},
    {Id(ControlId::ClearList), "リストのクリア(&C)", 40, 0, 77, 14},
    {Id(ControlId::Upload), "アップロード(&U)", 119, 0, 72, 14},
    {Id(ControlId::OpenBrowser), "ブラウザで開く(&O)", 194, 0, 77, 14},
};
constexpr ControlTemplate kEdit = {Id(ControlId::Edit), "", 6, 15, 225, 12};
constexpr ControlTemplate kList = {Id(ControlId::List), "", 5, 28, 154, 141};

constexpr const char* kCaption = "html などのアップロード";
constexpr const char* kAboutItem = "ﾊﾞｰｼﾞｮﾝ情報(&A)...";

// Empty when every path can be read; such a path would otherwise only show a
// zero size and then be left out of the upload without a word.
std::string UnreadableFilesText(const std::vector<std::string>& paths) {
  std::string text;
  for (const std::string& path : paths) {
    const int error = platform::FileStatus(path).Error();
    if (error != 0) text += "\n" + ToUtf8(Translated("ファイル: ")) + path + "\n" + ToUtf8(Translated("理由: ")) + std::strerror(error);
  }
  return text.empty() ? text : ToUtf8(Translated("読めないファイルがあります。")) + text;
}

// The size unit is the first "バイト" of the line: the name comes last.
wxString ListLineText(std::string line) {
  constexpr std::string_view kUnit = "バイト";
  if (const size_t unit = line.find(kUnit); unit != std::string::npos)
    line.replace(unit, kUnit.size(), ToUtf8(Translated(std::string(kUnit))));
  return FromUtf8(line);
}

}  // namespace

wxBEGIN_EVENT_TABLE(MainDialog, wxDialog)
  EVT_CONTEXT_MENU(MainDialog::OnContextMenu)
  EVT_MENU(Id(ControlId::AboutCommand), MainDialog::OnAbout)
  EVT_INIT_DIALOG(MainDialog::OnInitDialog)
  EVT_BUTTON(Id(ControlId::ClearList), MainDialog::OnClearList)
  EVT_BUTTON(Id(ControlId::Upload), MainDialog::OnUpload)
  EVT_BUTTON(Id(ControlId::OpenBrowser), MainDialog::OnOpenBrowser)
  EVT_SIZE(MainDialog::OnSize)
wxEND_EVENT_TABLE()

MainDialog::MainDialog(wxWindow* parent) : icons_(AppIcons()) {
  Create(parent, wxID_ANY, Translated(kCaption), wxDefaultPosition, wxDefaultSize,
         wxCAPTION | wxSYSTEM_MENU | wxRESIZE_BORDER | wxMINIMIZE_BOX | wxCLOSE_BOX);
  SetFont(MainDialogFont());
  SetClientSize(ConvertDialogToPixels(wxSize(kDialogWidth, kDialogHeight)));
  CreateControls();
  InstallDropTargets();
  SetAffirmativeId(Id(ControlId::Ok));
  SetEscapeId(Id(ControlId::Quit));
  wxAcceleratorEntry aboutKey(wxACCEL_NORMAL, WXK_F1, Id(ControlId::AboutCommand));
  SetAcceleratorTable(wxAcceleratorTable(1, &aboutKey));
  userInterface_ = std::make_unique<DialogUserInterface>(*this);
}

MainDialog::~MainDialog() {
  // Both workers post to this window: a closing window stops them and waits,
  // so nothing reaches it once it is gone and no job is left half done.
  upload_.Stop();
  updateCheck_.Stop();
  if (previousInterface_) platform::InstallUserInterface(*previousInterface_);
}

void MainDialog::CreateControls() {
  for (const ControlTemplate& control : kButtons) {
    auto* button = new wxButton(this, control.id, Translated(control.text),
                                ConvertDialogToPixels(wxPoint(control.x, control.y)),
                                ConvertDialogToPixels(wxSize(control.width, control.height)));
    if (control.id == Id(ControlId::Ok)) {
      button->SetDefault();
      button->Hide();
    }
  }
  edit_ = new wxTextCtrl(this, kEdit.id, wxEmptyString, ConvertDialogToPixels(wxPoint(kEdit.x, kEdit.y)),
                          ConvertDialogToPixels(wxSize(kEdit.width, kEdit.height)), wxTE_READONLY | wxBORDER_SUNKEN,
                          wxTextValidator(wxFILTER_NONE, &address_));
  list_ = new wxListBox(this, kList.id, ConvertDialogToPixels(wxPoint(kList.x, kList.y)),
                         ConvertDialogToPixels(wxSize(kList.width, kList.height)), 0, nullptr,
                         wxLB_SINGLE | wxLB_ALWAYS_SB | wxLB_HSCROLL | wxBORDER_SUNKEN);
  list_->DisableFocusFromKeyboard();
}

void MainDialog::InstallDropTargets() {
  const auto receiver = [this](const std::vector<std::string>& paths) {
    if (!upload_.Active()) DropFiles(paths);
  };
  SetDropTarget(new FileDropTarget(receiver));
  for (wxWindow* child : GetChildren()) child->SetDropTarget(new FileDropTarget(receiver));
}

void MainDialog::OnInitDialog(wxInitDialogEvent&) {
  previousInterface_ = platform::InstalledUserInterface();
  platform::InstallUserInterface(userInterface_.get());
  SetIcons(icons_);
  address_ = FromUtf8(publish::PrepareSettings());
  TransferDataToWindow();
  ApplyLayout();
  StartUpdateCheck();
  SetWindowStyleFlag(GetWindowStyleFlag() | wxSTAY_ON_TOP);
}

void MainDialog::StartUpdateCheck() {
  // Whether the page changed does not change the start-up, and a slow server
  // must not hold the window.
  updateCheck_.Start([this, trace = TraceOnWindowThread(*this)](const std::atomic<bool>& stop) {
    const update::CheckResult result = update::CheckForUpdate(trace, &stop);
    if (!result.openAddress.empty()) CallAfter([this, address = result.openAddress] { OpenInBrowser(this, address); });
  });
}

void MainDialog::ApplyLayout() {
  const wxSize client = GetClientSize();
  const int width = (client.x - 1) - 1;
  if (edit_) {
    const wxRect rect = edit_->GetRect();
    edit_->SetSize(1, rect.y, width, rect.height);
  }
  if (list_) {
    const wxRect rect = list_->GetRect();
    list_->SetSize(1, rect.y, width, (client.y - 1) - rect.y);
  }
  Refresh();
}

void MainDialog::OnSize(wxSizeEvent& event) {
  event.Skip();
  ApplyLayout();
}

// Folders are not published: they stay off the list, and the person hears why.
void MainDialog::DropFiles(const std::vector<std::string>& paths) {
  std::vector<std::string> files;
  std::string folders;
  for (const std::string& path : paths) {
    if (platform::FolderExists(path)) folders += "\n" + path;
    else files.push_back(path);
  }
  publish::AddDroppedFiles(fileList_, files);
  FillListBox();
  if (folders.empty()) return;
  const std::string text = TranslatedCause("フォルダーは公開できません") + ":" + folders;
  CallAfter([this, text] { MessageBoxLog(this, text, {.icon = Icon::Exclamation}); });
}

void MainDialog::DropStartFiles(const std::vector<std::string>& paths) {
  DropFiles(paths);
  const std::string text = UnreadableFilesText(paths);
  if (!text.empty()) CallAfter([this, text] { MessageBoxLog(this, text, {.icon = Icon::Exclamation}); });
}

void MainDialog::FillListBox() {
  wxArrayString lines;
  for (const std::string& path : fileList_) lines.Add(ListLineText(ListLine(path)));
  list_->Set(lines);
  UpdateHorizontalExtent();
}

void MainDialog::UpdateHorizontalExtent() {
  if (!list_) return;
  wxClientDC dc(list_);
  dc.SetFont(list_->GetFont());
  int widest = 0;
  for (unsigned i = 0; i < list_->GetCount(); ++i) {
    wxString text = list_->GetString(i);
    widest = std::max(widest, dc.GetTextExtent(text.Trim(true)).x);
  }
  const int edge = std::max(0, wxSystemSettings::GetMetric(wxSYS_EDGE_X, list_));
  const int scrollBar = std::max(0, wxSystemSettings::GetMetric(wxSYS_VSCROLL_X, list_));
  horizontalExtent_ = widest + 2 * edge + scrollBar;
  // The GTK list box sizes its scroll range to its items by itself.
#ifdef __WXMSW__
  ::SendMessage(GetHwndOf(list_), LB_SETHORIZONTALEXTENT, horizontalExtent_, 0);
#endif
}

void MainDialog::OnClearList(wxCommandEvent&) {
  fileList_.clear();
  if (!list_) return;
  list_->Freeze();
  list_->Clear();
  list_->Thaw();
  UpdateHorizontalExtent();
}

void MainDialog::OnContextMenu(wxContextMenuEvent&) {
  wxMenu menu;
  menu.Append(Id(ControlId::AboutCommand), Translated(kAboutItem));
  PopupMenu(&menu);
}

void MainDialog::OnAbout(wxCommandEvent&) {
  AboutDialog about(this);
  about.ShowModal();
}

void MainDialog::OnUpload(wxCommandEvent&) {
  EnableJobControls(false);
  busyCursor_.emplace();
  upload_.Start([this, files = fileList_, &ui = *userInterface_](const std::atomic<bool>& stop) {
    UploadRelay relay(*this, ui);
    const publish::PublishResult result = publish::Publish(publish::ReadJob(files), relay, stop);
    CallAfter([this, result] { FinishUpload(result); });
  });
}

void MainDialog::FinishUpload(const publish::PublishResult& result) {
  upload_.Wait();
  userInterface_->ShowProgressTitle("");
  // Only a published page's address is worth pasting.
  if (result.ok) CopyTextToClipboard(result.pageAddress);
  if (!result.pageAddress.empty()) address_ = FromUtf8(result.pageAddress);
  TransferDataToWindow();
  busyCursor_.reset();
  EnableJobControls(true);
  // The address is shown either way, but a failed job must not pass for a
  // published page.
  if (!result.ok) MessageBoxLog(this, UploadFailureText(result.failures), {.icon = Icon::Exclamation});
}

void MainDialog::EnableJobControls(bool enable) {
  for (const int id : {Id(ControlId::Upload), Id(ControlId::ClearList)}) FindWindow(id)->Enable(enable);
}

void MainDialog::OnOpenBrowser(wxCommandEvent&) {
  TransferDataFromWindow();
  OpenInBrowser(this, ToUtf8(address_));
}

}  // namespace app
