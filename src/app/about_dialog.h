// The About box: icon, program name with version, legal notice.
#pragma once

#include <wx/dialog.h>

namespace app {

class AboutDialog : public wxDialog {
 public:
  explicit AboutDialog(wxWindow* parent);

 private:
  void OnInitDialog(wxInitDialogEvent& event);

  wxDECLARE_EVENT_TABLE();
};

}  // namespace app
