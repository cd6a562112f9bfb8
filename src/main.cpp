// The wx_pub program: the command line answers what it can without a display
// and hands everything else to the window program, which this process becomes.
// It links no GUI toolkit, so a run without a window loads none.
#include <csignal>
#include <iostream>
#include <string>

#include "cli/command_line.h"
#include "cli/console_interface.h"
#include "platform/system/feedback.h"
#include "publish/publish.h"
#include "suite/window_program.h"

namespace {

constexpr int kExitNoWindow = 1;

int RunWindow(char** argv) {
  const std::string reason = suite::ExecWindowProgram(argv);
  std::cerr << "wx_pub: " << reason << '\n';
  return kExitNoWindow;
}

}  // namespace

int main(int argc, char** argv) {
  // A write past the file-size limit must fail (EFBIG), so that the writer can
  // drop its cut file, instead of ending the program.
  std::signal(SIGXFSZ, SIG_IGN);
  // This thread's notices reach standard error.
  cli::ConsoleInterface console;
  platform::InstallUserInterface(&console);
  const std::optional<int> cliStatus = cli::RunCommandLine(argc, argv);
  const int status = cliStatus ? *cliStatus : RunWindow(argv);
  // A job run here leaves its removal to this process; the window program
  // does the same for its own.
  publish::RemoveDeferredAtExit();
  platform::InstallUserInterface(nullptr);
  return status;
}
