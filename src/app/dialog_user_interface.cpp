#include "app/dialog_user_interface.h"

#include <wx/evtloop.h>

#include <iostream>

#include "app/wx_text.h"

namespace app {

DialogUserInterface::DialogUserInterface(wxTopLevelWindow& window)
    : window_(window), caption_(window.GetTitle()) {}

void DialogUserInterface::ShowProgressTitle(const std::string& title) {
  // An empty title ends the report: the dialog gets its caption back.
  window_.SetTitle(title.empty() ? caption_ : FromUtf8(title));
}

void DialogUserInterface::PumpMessages() {
  // Only repaints and other window housekeeping: user input waits in the queue.
  if (wxEventLoopBase* loop = wxEventLoopBase::GetActive()) loop->YieldFor(wxEVT_CATEGORY_UI);
}

void DialogUserInterface::ShowNotice(const std::string& notice) { std::cerr << notice << std::endl; }

void PrintTrace(net::TraceStream stream, const std::string& text) {
  (stream == net::TraceStream::Error ? std::cerr : std::cout) << text << std::flush;
}

net::TraceSink TraceOnWindowThread(wxEvtHandler& window) {
  return [&window](net::TraceStream stream, const std::string& text) {
    window.CallAfter([stream, text] { PrintTrace(stream, text); });
  };
}

}  // namespace app
