// The About box: icon, program name with version, legal notice.
#pragma once

#include <wx/dialog.h>

class CAboutDlg : public wxDialog {
 public:
  explicit CAboutDlg(wxWindow* parent);

 private:
  void OnInitDialog(wxInitDialogEvent& event);

  wxDECLARE_EVENT_TABLE();
};
