#include "cli/command_line.h"

#include <gtest/gtest.h>

namespace {

std::optional<int> RunInProcess(std::vector<std::string> arguments) {
  arguments.insert(arguments.begin(), "wx_pub");
  std::vector<char*> argv;
  for (std::string& argument : arguments) argv.push_back(argument.data());
  argv.push_back(nullptr);
  return cli::RunCommandLine(static_cast<int>(arguments.size()), argv.data());
}

TEST(CommandLine, LeavesPlainFilesAndNoArgumentsToTheDialog) {
  EXPECT_EQ(RunInProcess({}), std::nullopt);
  EXPECT_EQ(RunInProcess({"a.txt", "-", "b.png"}), std::nullopt);
}

}  // namespace
