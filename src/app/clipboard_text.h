// Puts text on the desktop clipboard.
#pragma once

#include <string>

namespace app {

// True when the text was placed; it stays available after the program ends
// where a clipboard manager runs.
bool CopyTextToClipboard(const std::string& text);

}  // namespace app
