// The page address handed to the desktop opener, as the window does it.
#pragma once

#include <string>

namespace app {

// platform::ShellOpen; on failure the logged message box with
// platform::ShellErrorText. True on success.
bool OpenInBrowser(const std::string& address);

}  // namespace app
