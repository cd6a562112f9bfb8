// The command line run inside the test process, as main() runs it; for the
// programs that link the command line.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "cli/command_line.h"

inline std::optional<int> RunInProcess(std::vector<std::string> arguments) {
  arguments.insert(arguments.begin(), "wx_pub");
  std::vector<char*> argv;
  for (std::string& argument : arguments) argv.push_back(argument.data());
  argv.push_back(nullptr);
  return cli::RunCommandLine(static_cast<int>(arguments.size()), argv.data());
}
