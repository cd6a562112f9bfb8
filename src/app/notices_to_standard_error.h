// The user interface of a thread that draws no window: the window program
// before its dialog stands, and its worker threads. Boxes take their default
// answer, progress is not drawn, notices go to standard error.
#pragma once

#include <string>

#include "platform/system/feedback.h"

namespace app {

class NoticesToStandardError : public platform::UserInterface {
 public:
  platform::Answer ShowMessageBox(const std::string& text, platform::BoxStyle style) override;
  void ShowProgressTitle(const std::string& title) override;
  void PumpMessages() override;
  void ShowNotice(const std::string& notice) override;
};

}  // namespace app
