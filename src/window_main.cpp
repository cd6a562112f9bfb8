// The window program: the dialog, listing the FILEs it is started with. wx_pub
// starts it with its own arguments when a run needs the window.
#include <wx/app.h>

#include <algorithm>
#include <csignal>

#include "app/app.h"
#include "cli/command_line.h"
#include "cli/console_interface.h"
#include "platform/feedback.h"
#include "publish/publish.h"

int main(int argc, char** argv) {
  // As in wx_pub: a write past the file-size limit fails instead of ending the program.
  std::signal(SIGXFSZ, SIG_IGN);
  // Notices reach standard error until the window stands in for this thread.
  cli::ConsoleInterface console;
  platform::InstallUserInterface(&console);
  wxApp::SetInstance(new app::App(cli::DialogFiles(argc, argv)));
  // The toolkit sees the program name only: it would pass the FILE names
  // through the locale's encoding, which need not be theirs.
  int toolkitArgc = std::min(argc, 1);
  const int status = wxEntry(toolkitArgc, argv);
  // The uploads ran in this process, so their deferred removal runs here.
  publish::RemoveDeferredAtExit();
  platform::InstallUserInterface(nullptr);
  return status;
}
