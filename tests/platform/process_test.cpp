#include "platform/process.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>

#include "support/sandbox.h"

namespace {

TEST(FindProgram, SearchesThePathOrTakesAPathAsItIs) {
  const std::string folder = sandbox::Path("which/bin");
  const std::string program = folder + "/wx_tool";
  sandbox::WriteFile(program, "#!/bin/sh\n");
  sandbox::WriteFile(folder + "/not_runnable", "");
  ::chmod(program.c_str(), 0755);
  const std::string savedPath = std::getenv("PATH") ? std::getenv("PATH") : "";
  ::setenv("PATH", (sandbox::Path("which/empty") + ":" + folder + ":" + savedPath).c_str(), 1);

  EXPECT_EQ(platform::FindProgram("  wx_tool "), program);
  EXPECT_EQ(platform::FindProgram("not_runnable"), "");
  EXPECT_EQ(platform::FindProgram("no_such_program_here"), "");
  EXPECT_EQ(platform::FindProgram("   "), "");
  EXPECT_EQ(platform::FindProgram(folder + "/not_runnable"), folder + "/not_runnable");
  EXPECT_EQ(platform::FindProgram(folder + "/missing"), "");
  ::setenv("PATH", savedPath.c_str(), 1);
}

}  // namespace
