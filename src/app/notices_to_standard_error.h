// The user interface of a thread that draws no window: the window program
// before its dialog stands, and its worker threads. Progress is not drawn,
// notices go to standard error.
#pragma once

#include <string>

#include "platform/system/feedback.h"

namespace app {

class NoticesToStandardError : public platform::UserInterface {
 public:
  void ShowNotice(const std::string& notice) override;
};

}  // namespace app
