// The command line: uploads and index pages without a window, for scripts and
// file-manager entries. Includes no GUI toolkit header.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace cli {

// Returns the exit status when argv holds an option handled here (--upload,
// --page, --help, --version; an unknown option gives 2); std::nullopt when the
// dialog should open (no arguments, or only FILE arguments).
std::optional<int> RunCommandLine(int argc, char** argv);

}  // namespace cli
