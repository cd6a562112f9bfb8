// The main dialog: dropped-file list, Upload, Open in browser.
#pragma once

#include <wx/dialog.h>
#include <wx/iconbndl.h>
#include <wx/utils.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/stoppable_thread.h"
#include "platform/system/feedback.h"
#include "publish/file_list.h"
#include "publish/publish.h"

class wxListBox;
class wxTextCtrl;

namespace app {

class DialogUserInterface;

class MainDialog : public wxDialog {
 public:
  explicit MainDialog(wxWindow* parent = nullptr);
  ~MainDialog() override;

  // One drop of files and folders (also the files named on the command line).
  void DropFiles(const std::vector<std::string>& paths);
  // The files named at start: one drop, and once the window is up a message
  // naming those whose status cannot be read.
  void DropStartFiles(const std::vector<std::string>& paths);

 private:
  void CreateControls();
  void InstallDropTargets();
  void ApplyLayout();
  void FillListBox();
  void UpdateHorizontalExtent();
  void StartUpdateCheck();
  void FinishUpload(const publish::PublishResult& result);
  // Upload and Clear list, which would start a second job or change its list.
  void EnableJobControls(bool enable);

  void OnInitDialog(wxInitDialogEvent& event);
  void OnContextMenu(wxContextMenuEvent& event);
  void OnAbout(wxCommandEvent& event);
  void OnClearList(wxCommandEvent& event);
  void OnUpload(wxCommandEvent& event);
  void OnOpenBrowser(wxCommandEvent& event);
  void OnSize(wxSizeEvent& event);

  publish::FileList fileList_;
  wxTextCtrl* edit_ = nullptr;
  wxListBox* list_ = nullptr;
  wxString address_;
  wxIconBundle icons_;
  // Width the list box scrolls to: the widest line plus border and scroll bar.
  int horizontalExtent_ = 0;
  std::unique_ptr<DialogUserInterface> userInterface_;
  // What the thread had before the window stood in for it; set once it does.
  std::optional<platform::UserInterface*> previousInterface_;
  // The window lives on while they work; it waits for both before it goes.
  StoppableThread upload_;
  StoppableThread updateCheck_;
  std::optional<wxBusyCursor> busyCursor_;

  wxDECLARE_EVENT_TABLE();
};

}  // namespace app
