// Message boxes and window-title progress for the platform's feedback
// functions, shown on the main dialog.
#pragma once

#include <wx/toplevel.h>

#include "platform/feedback.h"

class DialogUserInterface : public platform::UserInterface {
 public:
  explicit DialogUserInterface(wxTopLevelWindow& window);
  platform::Answer ShowMessageBox(const std::string& text, platform::BoxStyle style) override;
  void ShowProgressTitle(const std::string& title) override;
  void PumpMessages() override;

 private:
  wxTopLevelWindow& m_window;
  wxString m_caption;
};
