#include "cli/command_line.h"

#include <gtest/gtest.h>

#include "support/run_in_process.h"

namespace {

TEST(CommandLine, LeavesPlainFilesAndNoArgumentsToTheDialog) {
  EXPECT_EQ(RunInProcess({}), std::nullopt);
  EXPECT_EQ(RunInProcess({"a.txt", "-", "b.png"}), std::nullopt);
}

}  // namespace
