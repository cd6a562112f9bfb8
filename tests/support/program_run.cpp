#include "support/program_run.h"

#include <filesystem>

#include "support/upload_servers.h"

ProgramRun RunWxPub(const std::vector<std::string>& arguments, const std::string& tmpDir, const std::string& fileBlocks,
                    const std::string& launcher) {
  static int runs = 0;
  const std::string base = sandbox::Path("run" + std::to_string(++runs));
  std::filesystem::create_directories(tmpDir);
  // A run that hangs ends as a failure (status 124) instead of holding the tests.
  std::vector<std::string> argv = {"timeout", "-k", "5", "120", "env", "-u", "DISPLAY", "-u", "WAYLAND_DISPLAY",
                                   "TMPDIR=" + tmpDir, "sh", "-c",
                                   "ulimit -f " + fileBlocks + " && exec " + launcher + " \"$0\" \"$@\" >'" + base + ".out' 2>'" + base + ".err'",
                                   WXPUB_APP};
  argv.insert(argv.end(), arguments.begin(), arguments.end());
  // Braces read left to right: the run comes before its output is read.
  return {testserver::RunCommand(argv, base + ".log"), sandbox::ReadFile(base + ".out"), sandbox::ReadFile(base + ".err")};
}

std::string CommandOutput(const std::vector<std::string>& argv) {
  static int runs = 0;
  const std::string log = sandbox::Path("command" + std::to_string(++runs) + ".out");
  testserver::RunCommand(argv, log);
  return sandbox::ReadFile(log);
}
