// What the core and the platform's feedback functions tell the user, shown
// on the main dialog: progress in the window title; notices go to standard error.
#pragma once

#include <wx/toplevel.h>

#include "net/trace.h"
#include "platform/system/feedback.h"

namespace app {

class DialogUserInterface : public platform::UserInterface {
 public:
  explicit DialogUserInterface(wxTopLevelWindow& window);
  void ShowProgressTitle(const std::string& title) override;
  void PumpMessages() override;
  void ShowNotice(const std::string& notice) override;

 private:
  wxTopLevelWindow& window_;
  wxString caption_;
};

// Trace of the core's work goes to the standard streams the tool has always
// printed it on, so a window started from a terminal still shows it there.
void PrintTrace(net::TraceStream stream, const std::string& text);
// For work on another thread: each piece is printed later, in order, on the
// window's thread; what is still queued when the window goes is dropped.
net::TraceSink TraceOnWindowThread(wxEvtHandler& window);

}  // namespace app
