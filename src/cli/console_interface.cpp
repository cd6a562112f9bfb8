#include "cli/console_interface.h"

#include <iostream>

namespace cli {

void ConsoleInterface::ShowNotice(const std::string& notice) { std::cerr << notice << std::endl; }

}  // namespace cli
