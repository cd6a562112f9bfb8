// Puts text on the desktop clipboard.
#pragma once

#include <string>

// True when the text was placed; it stays available after the program ends
// where a clipboard manager runs.
bool CopyTextToClipboard(const std::string& text);
