#include <wx/app.h>

#include <algorithm>

#include "app/command_line.h"
#include "app/wx_pub_app.h"
#include "upfile/upload_job.h"

// Command-line uses end before the GUI toolkit is touched, so they need no display.
int main(int argc, char** argv) {
  if (const std::optional<int> status = RunCommandLine(argc, argv)) return *status;
  wxApp::SetInstance(new CWx_pubApp(DialogFiles(argc, argv)));
  // The toolkit sees the program name only: it would pass the FILE names
  // through the locale's encoding, which need not be theirs.
  int toolkitArgc = std::min(argc, 1);
  const int status = wxEntry(toolkitArgc, argv);
  RemoveDeferredAtExit();
  return status;
}
