#include "platform/process/process.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>

#include "support/sandbox.h"
#include "support/scoped_env.h"

using namespace platform;

TEST(FindProgram, SearchesThePathForARunnableFileUnlessTheNameHasAFolder) {
  const std::string folder = sandbox::Path("which/bin");
  sandbox::WriteFile(folder + "/wx_tool", "#!/bin/sh\n");
  sandbox::WriteFile(folder + "/not_runnable", "");
  ::chmod((folder + "/wx_tool").c_str(), 0755);
  std::filesystem::create_directories(folder + "/wx_dir");
  ScopedEnv path("PATH", sandbox::Path("which/empty") + ":" + folder + ":" + std::getenv("PATH"));
  const std::pair<std::string, std::string> rows[] = {
      {"  wx_tool ", folder + "/wx_tool"}, {"not_runnable", ""}, {"wx_dir", ""}, {"   ", ""},
      {folder + "/not_runnable", folder + "/not_runnable"}, {folder + "/missing", ""},
  };
  for (const auto& [name, found] : rows) EXPECT_EQ(FindProgram(name), found) << name;
}

