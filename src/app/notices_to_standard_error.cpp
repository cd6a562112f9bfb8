#include "app/notices_to_standard_error.h"

#include <iostream>

namespace app {

platform::Answer NoticesToStandardError::ShowMessageBox(const std::string&, platform::BoxStyle style) {
  return platform::DefaultAnswer(style);
}

void NoticesToStandardError::ShowProgressTitle(const std::string&) {}

void NoticesToStandardError::PumpMessages() {}

void NoticesToStandardError::ShowNotice(const std::string& notice) { std::cerr << notice << std::endl; }

}  // namespace app
