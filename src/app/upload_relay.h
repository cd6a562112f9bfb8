// The window's observer of a publishing job on a worker thread. It touches no
// window: titles and trace go to the window's event queue and are shown on
// the window's thread. While files are sent the title reads
// "wx_pub  3/12", and "wx_pub  3/12  45%" once a file takes longer than a moment.
#pragma once

#include <wx/event.h>

#include <cstdint>
#include <string>

#include "net/trace.h"
#include "platform/system/feedback.h"
#include "publish/publish.h"

namespace app {

class UploadRelay : public publish::PublishObserver {
 public:
  // ui shows the titles, on the window's thread.
  UploadRelay(wxEvtHandler& window, platform::UserInterface& ui);

  void OnTrace(const std::string& text, publish::TraceStream stream) override;
  void OnFileStarted(size_t index, size_t count, const std::string& listedPath) override;
  void OnBytesSent(uint64_t sent, uint64_t total) override;
  // The lower layers' bars of staging and page making; from the first file
  // sent on the file count stands in for them.
  void OnProgressText(const std::string& text) override;
  void OnWaiting(bool waiting) override;

 private:
  void ShowTitle(const std::string& title);

  wxEvtHandler& window_;
  platform::UserInterface& ui_;
  net::TraceSink trace_;
  std::string shown_;  // the title last handed to the window
  bool sending_ = false;
  std::string count_;  // "3/12"
  uint64_t fileStart_ = 0;
};

}  // namespace app
