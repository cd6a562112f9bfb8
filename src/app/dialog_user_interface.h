// What the core and the platform's feedback functions tell the user, shown
// on the main dialog: message boxes, and progress in the window title.
#pragma once

#include <wx/toplevel.h>

#include "platform/feedback.h"
#include "publish/publish.h"

class DialogUserInterface : public platform::UserInterface, public publish::PublishObserver {
 public:
  explicit DialogUserInterface(wxTopLevelWindow& window);
  platform::Answer ShowMessageBox(const std::string& text, platform::BoxStyle style) override;
  void ShowProgressTitle(const std::string& title) override;
  void PumpMessages() override;

  void OnTrace(const std::string& text, publish::TraceStream stream) override;
  void OnProgressText(const std::string& text) override;
  void OnWaiting(const std::string& notice) override;

 private:
  wxTopLevelWindow& m_window;
  wxString m_caption;
};

// Trace of the core's work goes to the standard streams the tool has always
// printed it on, so a window started from a terminal still shows it there.
void PrintTrace(net::TraceStream stream, const std::string& text);
