// Reading back what the program wrote to its debug log inside the sandbox.
#pragma once

#include <string>

// The decoded text of every log file, in file-name order.
std::string DebugLogText();
