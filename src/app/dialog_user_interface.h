// Message boxes and window-title progress for the platform's feedback
// functions, shown on the main dialog.
#pragma once

#include <wx/toplevel.h>

#include "platform/feedback.h"

class DialogUserInterface : public UserInterface {
 public:
  explicit DialogUserInterface(wxTopLevelWindow& window);
  int ShowMessageBox(const std::string& text, unsigned type, unsigned helpContext) override;
  void ShowProgressTitle(const std::string& title) override;
  void PumpMessages() override;

 private:
  wxTopLevelWindow& m_window;
  wxString m_caption;
};
