// The desktop's clipboard for a program that has no window of its own: the
// text goes to the clipboard tool of the session (wl-copy on Wayland, xclip
// or xsel on X), which keeps serving it after this program ends.
#pragma once

#include <string>

namespace platform {

// Empty when the text is on the clipboard, else why it is not.
std::string CopyToSystemClipboard(const std::string& text);

}  // namespace platform
