// The user interface of a thread without a window: boxes take their default
// answer, progress is not drawn, notices go to standard error.
#pragma once

#include "platform/system/feedback.h"

namespace cli {

class ConsoleInterface : public platform::UserInterface {
 public:
  platform::Answer ShowMessageBox(const std::string& text, platform::BoxStyle style) override;
  void ShowProgressTitle(const std::string& title) override;
  void PumpMessages() override;
  void ShowNotice(const std::string& notice) override;
};

}  // namespace cli
