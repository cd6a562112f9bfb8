#include "cli/console_interface.h"

#include <iostream>

namespace cli {

platform::Answer ConsoleInterface::ShowMessageBox(const std::string&, platform::BoxStyle style) {
  return platform::DefaultAnswer(style);
}

void ConsoleInterface::ShowProgressTitle(const std::string&) {}

void ConsoleInterface::PumpMessages() {}

void ConsoleInterface::ShowNotice(const std::string& notice) { std::cerr << notice << std::endl; }

}  // namespace cli
