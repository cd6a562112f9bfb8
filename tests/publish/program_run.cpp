#include "program_run.h"

#include <cstdlib>

#include "support/sandbox.h"
#include "support/upload_servers.h"

ProgramRun RunWxPub(const std::vector<std::string>& arguments, const std::string& tmpDir, int fileBlocks) {
  static int runs = 0;
  const std::string base = sandbox::Path("run" + std::to_string(++runs));
  const std::string limit = fileBlocks == 0 ? "unlimited" : std::to_string(fileBlocks);
  if (!tmpDir.empty()) sandbox::MakeDirs(tmpDir);
  std::vector<std::string> argv = {"env", "-u", "DISPLAY", "-u", "WAYLAND_DISPLAY",
                                   "TMPDIR=" + (tmpDir.empty() ? std::string(std::getenv("TMPDIR")) : tmpDir),
                                   "sh", "-c", "ulimit -f " + limit + " && exec \"$0\" \"$@\" >'" + base + ".out' 2>'" + base + ".err'",
                                   WXPUB_APP};
  argv.insert(argv.end(), arguments.begin(), arguments.end());
  ProgramRun run;
  run.status = testserver::RunCommand(argv, base + ".log");
  run.out = sandbox::ReadFile(base + ".out");
  run.err = sandbox::ReadFile(base + ".err");
  return run;
}

std::string LastLine(const std::string& text) {
  const std::string trimmed = text.substr(0, text.find_last_not_of("\r\n") + 1);
  return trimmed.substr(trimmed.rfind('\n') + 1);
}
