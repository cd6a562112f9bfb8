#include "app/wx_pub_dlg.h"

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

#include "app/about_dlg.h"
#include "app/app_icon.h"
#include "app/clipboard_text.h"
#include "app/dialog_font.h"
#include "app/dialog_ids.h"
#include "app/dialog_user_interface.h"
#include "app/file_drop_target.h"
#include "app/open_in_browser.h"
#include "app/upload_failure_text.h"
#include "app/upload_relay.h"
#include "app/wx_text.h"
#include "platform/feedback.h"
#include "platform/file_status.h"
#include "publish/publish.h"
#include "update/update_check.h"

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
    {kIdOk, "OK", 274, 0, 37, 14},
    {kIdQuit, "終了(&Q)", 0, 0, 38, 14},
    {kIdClearList, "リストのクリア(&C)", 40, 0, 77, 14},
    {kIdUpload, "アップロード(&U)", 119, 0, 72, 14},
    {kIdOpenBrowser, "ブラウザで開く(&O)", 194, 0, 77, 14},
};
constexpr ControlTemplate kEdit = {kIdEdit, "", 6, 15, 225, 12};
constexpr ControlTemplate kList = {kIdList, "", 5, 28, 154, 141};

constexpr const char* kCaption = "html などのアップロード";
constexpr const char* kAboutItem = "ﾊﾞｰｼﾞｮﾝ情報(&A)...";

// Empty when every path can be read; such a path would otherwise only show a
// zero size and then be left out of the upload without a word.
std::string UnreadableFilesText(const std::vector<std::string>& paths) {
  std::string text;
  for (const std::string& path : paths) {
    const int error = platform::FileStatus(path).Error();
    if (error != 0) text += "\nファイル: " + path + "\n理由: " + std::strerror(error);
  }
  return text.empty() ? text : "読めないファイルがあります。" + text;
}

}  // namespace

wxBEGIN_EVENT_TABLE(CWx_pubDlg, wxDialog)
  EVT_CONTEXT_MENU(CWx_pubDlg::OnContextMenu)
  EVT_MENU(kIdAboutCommand, CWx_pubDlg::OnAbout)
  EVT_INIT_DIALOG(CWx_pubDlg::OnInitDialog)
  EVT_BUTTON(kIdClearList, CWx_pubDlg::OnClearList)
  EVT_BUTTON(kIdUpload, CWx_pubDlg::OnUpload)
  EVT_BUTTON(kIdOpenBrowser, CWx_pubDlg::OnOpenBrowser)
  EVT_SIZE(CWx_pubDlg::OnSize)
wxEND_EVENT_TABLE()

CWx_pubDlg::CWx_pubDlg(wxWindow* parent) : m_hIcon(AppIcons()) {
  Create(parent, wxID_ANY, FromUtf8(kCaption), wxDefaultPosition, wxDefaultSize,
         wxCAPTION | wxSYSTEM_MENU | wxRESIZE_BORDER | wxMINIMIZE_BOX | wxCLOSE_BOX);
  SetFont(MainDialogFont());
  SetClientSize(ConvertDialogToPixels(wxSize(kDialogWidth, kDialogHeight)));
  CreateControls();
  InstallDropTargets();
  SetAffirmativeId(kIdOk);
  SetEscapeId(kIdQuit);
  wxAcceleratorEntry aboutKey(wxACCEL_NORMAL, WXK_F1, kIdAboutCommand);
  SetAcceleratorTable(wxAcceleratorTable(1, &aboutKey));
  m_userInterface = std::make_unique<DialogUserInterface>(*this);
}

CWx_pubDlg::~CWx_pubDlg() {
  // Both workers post to this window: a closing window stops them and waits,
  // so nothing reaches it once it is gone and no job is left half done.
  m_upload.Stop();
  m_updateCheck.Stop();
  if (m_previousInterface) platform::InstallUserInterface(*m_previousInterface);
}

void CWx_pubDlg::CreateControls() {
  for (const ControlTemplate& control : kButtons) {
    auto* button = new wxButton(this, control.id, FromUtf8(control.text),
                                ConvertDialogToPixels(wxPoint(control.x, control.y)),
                                ConvertDialogToPixels(wxSize(control.width, control.height)));
    if (control.id == kIdOk) {
      button->SetDefault();
      button->Hide();
    }
  }
  m_edit = new wxTextCtrl(this, kEdit.id, wxEmptyString, ConvertDialogToPixels(wxPoint(kEdit.x, kEdit.y)),
                          ConvertDialogToPixels(wxSize(kEdit.width, kEdit.height)), wxTE_READONLY | wxBORDER_SUNKEN,
                          wxTextValidator(wxFILTER_NONE, &m_strEdit));
  m_list = new wxListBox(this, kList.id, ConvertDialogToPixels(wxPoint(kList.x, kList.y)),
                         ConvertDialogToPixels(wxSize(kList.width, kList.height)), 0, nullptr,
                         wxLB_SINGLE | wxLB_ALWAYS_SB | wxLB_HSCROLL | wxBORDER_SUNKEN);
  m_list->DisableFocusFromKeyboard();
}

void CWx_pubDlg::InstallDropTargets() {
  const auto receiver = [this](const std::vector<std::string>& paths) {
    if (!m_upload.Active()) DropFiles(paths);
  };
  SetDropTarget(new FileDropTarget(receiver));
  for (wxWindow* child : GetChildren()) child->SetDropTarget(new FileDropTarget(receiver));
}

void CWx_pubDlg::OnInitDialog(wxInitDialogEvent&) {
  m_previousInterface = platform::InstalledUserInterface();
  platform::InstallUserInterface(m_userInterface.get());
  SetIcons(m_hIcon);
  m_strEdit = FromUtf8(publish::PrepareSettings());
  TransferDataToWindow();
  ApplyLayout();
  StartUpdateCheck();
  SetWindowStyleFlag(GetWindowStyleFlag() | wxSTAY_ON_TOP);
}

void CWx_pubDlg::StartUpdateCheck() {
  // Whether the page changed does not change the start-up, and a slow server
  // must not hold the window.
  m_updateCheck.Start([this, trace = TraceOnWindowThread(*this)](const std::atomic<bool>& stop) {
    const update::CheckResult result = update::CheckForUpdate(trace, &stop);
    if (!result.openAddress.empty()) CallAfter([address = result.openAddress] { app::OpenInBrowser(address); });
  });
}

void CWx_pubDlg::ApplyLayout() {
  const wxSize client = GetClientSize();
  const int width = (client.x - 1) - 1;
  if (m_edit) {
    const wxRect rect = m_edit->GetRect();
    m_edit->SetSize(1, rect.y, width, rect.height);
  }
  if (m_list) {
    const wxRect rect = m_list->GetRect();
    m_list->SetSize(1, rect.y, width, (client.y - 1) - rect.y);
  }
  Refresh();
}

void CWx_pubDlg::OnSize(wxSizeEvent& event) {
  event.Skip();
  ApplyLayout();
}

void CWx_pubDlg::DropFiles(const std::vector<std::string>& paths) {
  publish::AddDroppedFiles(m_FileList, paths);
  FillListBox();
}

void CWx_pubDlg::DropStartFiles(const std::vector<std::string>& paths) {
  DropFiles(paths);
  const std::string text = UnreadableFilesText(paths);
  if (!text.empty()) CallAfter([text] { platform::MessageBoxLog(text, {.icon = platform::Icon::Exclamation}); });
}

void CWx_pubDlg::FillListBox() {
  wxArrayString lines;
  for (const std::string& path : m_FileList) lines.Add(FromUtf8(publish::ListLine(path)));
  m_list->Set(lines);
  UpdateHorizontalExtent();
}

void CWx_pubDlg::UpdateHorizontalExtent() {
  if (!m_list) return;
  wxClientDC dc(m_list);
  dc.SetFont(m_list->GetFont());
  int widest = 0;
  for (unsigned i = 0; i < m_list->GetCount(); ++i) {
    wxString text = m_list->GetString(i);
    widest = std::max(widest, dc.GetTextExtent(text.Trim(true)).x);
  }
  const int edge = std::max(0, wxSystemSettings::GetMetric(wxSYS_EDGE_X, m_list));
  const int scrollBar = std::max(0, wxSystemSettings::GetMetric(wxSYS_VSCROLL_X, m_list));
  m_horizontalExtent = widest + 2 * edge + scrollBar;
  // The GTK list box sizes its scroll range to its items by itself.
#ifdef __WXMSW__
  ::SendMessage(GetHwndOf(m_list), LB_SETHORIZONTALEXTENT, m_horizontalExtent, 0);
#endif
}

void CWx_pubDlg::OnClearList(wxCommandEvent&) {
  m_FileList.clear();
  if (!m_list) return;
  m_list->Freeze();
  m_list->Clear();
  m_list->Thaw();
  UpdateHorizontalExtent();
}

void CWx_pubDlg::OnContextMenu(wxContextMenuEvent&) {
  wxMenu menu;
  menu.Append(kIdAboutCommand, FromUtf8(kAboutItem));
  PopupMenu(&menu);
}

void CWx_pubDlg::OnAbout(wxCommandEvent&) {
  CAboutDlg about(this);
  about.ShowModal();
}

void CWx_pubDlg::OnUpload(wxCommandEvent&) {
  EnableJobControls(false);
  m_busyCursor.emplace();
  m_upload.Start([this, files = m_FileList, &ui = *m_userInterface](const std::atomic<bool>& stop) {
    UploadRelay relay(*this, ui);
    const publish::PublishResult result = publish::Publish(files, relay, stop);
    CallAfter([this, result] { FinishUpload(result); });
  });
}

void CWx_pubDlg::FinishUpload(const publish::PublishResult& result) {
  m_upload.Wait();
  m_userInterface->ShowProgressTitle("");
  CopyTextToClipboard(result.pageAddress);
  m_strEdit = FromUtf8(result.pageAddress);
  TransferDataToWindow();
  m_busyCursor.reset();
  EnableJobControls(true);
  // The address is shown either way, but a failed job must not pass for a
  // published page.
  if (!result.ok) platform::MessageBoxLog(UploadFailureText(result.failures), {.icon = platform::Icon::Exclamation});
}

void CWx_pubDlg::EnableJobControls(bool enable) {
  for (const int id : {kIdUpload, kIdClearList}) FindWindow(id)->Enable(enable);
}

void CWx_pubDlg::OnOpenBrowser(wxCommandEvent&) {
  TransferDataFromWindow();
  app::OpenInBrowser(ToUtf8(m_strEdit));
}
