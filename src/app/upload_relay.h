// The window's observer of a publishing job on a worker thread. It touches no
// window: titles and trace go to the window's event queue and are shown on
// the window's thread. While the job runs it is also the worker's user
// interface, so that the title bars of staging and page making reach the
// window; from the first file sent on, the file count stands in for them.
#pragma once

#include <wx/event.h>

#include <cstdint>
#include <string>

#include "net/trace.h"
#include "platform/system/feedback.h"
#include "publish/publish.h"

namespace app {

class UploadRelay : public publish::PublishObserver, private platform::UserInterface {
 public:
  // ui shows the titles, on the window's thread. Installed on the calling thread while it lives.
  UploadRelay(wxEvtHandler& window, platform::UserInterface& ui);
  ~UploadRelay() override;
  UploadRelay(const UploadRelay&) = delete;
  UploadRelay& operator=(const UploadRelay&) = delete;

  void OnTrace(const std::string& text, publish::TraceStream stream) override;
  void OnProgress(const publish::Progress& progress) override;

 private:
  void ShowProgressTitle(const std::string& title) override;
  // Notices are not the job's: they go where they went before it.
  void ShowNotice(const std::string& notice) override;
  void ShowTitle(const std::string& title);

  wxEvtHandler& window_;
  platform::UserInterface& ui_;
  platform::UserInterface* previous_;
  net::TraceSink trace_;
  std::string shown_;  // the title last handed to the window
  bool sending_ = false;
  size_t file_ = 0;
  uint64_t fileStart_ = 0;
};

}  // namespace app
