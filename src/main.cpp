// The wx_pub program: the command line answers what it can without a display,
// everything else opens the window. Both front ends publish through the core.
#include <wx/app.h>

#include <algorithm>
#include <csignal>

#include "app/app.h"
#include "cli/command_line.h"
#include "cli/console_interface.h"
#include "platform/feedback.h"
#include "publish/publish.h"

namespace {

int RunWindow(int argc, char** argv) {
  wxApp::SetInstance(new app::App(cli::DialogFiles(argc, argv)));
  // The toolkit sees the program name only: it would pass the FILE names
  // through the locale's encoding, which need not be theirs.
  int toolkitArgc = std::min(argc, 1);
  return wxEntry(toolkitArgc, argv);
}

}  // namespace

int main(int argc, char** argv) {
  // A write past the file-size limit must fail (EFBIG), so that the writer can
  // drop its cut file, instead of ending the program.
  std::signal(SIGXFSZ, SIG_IGN);
  // This thread's notices reach standard error whichever front end runs; the
  // window stands in for it while it is open.
  cli::ConsoleInterface console;
  platform::InstallUserInterface(&console);
  const std::optional<int> cliStatus = cli::RunCommandLine(argc, argv);
  const int status = cliStatus ? *cliStatus : RunWindow(argc, argv);
  // The one place the deferred removal runs, whichever front end ran.
  publish::RemoveDeferredAtExit();
  platform::InstallUserInterface(nullptr);
  return status;
}
