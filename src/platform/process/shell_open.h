// Hands an address or a file to the desktop opener (`xdg-open`).
#pragma once

#include <string>

namespace platform {

enum class ShellResult { Ok, Failed, FileNotFound, NoHandler };

// Ok when the opener succeeds or is still running after 5 s (it has found a
// handler then); NoHandler when there is no opener.
ShellResult ShellOpen(const std::string& target);

// The message for a failed ShellOpen of target, with the Operation, File and
// Paramaters lines.
std::string ShellErrorText(ShellResult result, const std::string& target);

}  // namespace platform
