// The page address handed to the desktop opener, as the window does it.
#pragma once

#include <string>

class wxWindow;

namespace app {

// platform::ShellOpen; on failure the logged message box over parent with
// platform::ShellErrorText. True on success.
bool OpenInBrowser(wxWindow* parent, const std::string& address);

}  // namespace app
