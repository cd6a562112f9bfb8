// Where the window program lives and how this process becomes it.
#pragma once

#include <string>

namespace suite {

// Replaces this process with the window program (found beside this program's
// own file, else where the package installs it), passing argv as it is;
// returns only when it could not, with the reason in English.
std::string ExecWindowProgram(char** argv);

}  // namespace suite
