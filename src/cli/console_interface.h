// The user interface of a thread without a window: progress is not drawn,
// notices go to standard error.
#pragma once

#include "platform/system/feedback.h"

namespace cli {

class ConsoleInterface : public platform::UserInterface {
 public:
  void ShowNotice(const std::string& notice) override;
};

}  // namespace cli
