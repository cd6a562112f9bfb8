#include <wx/app.h>

#include "app/command_line.h"
#include "app/wx_pub_app.h"
#include "upfile/upload_job.h"

wxIMPLEMENT_APP_NO_MAIN(CWx_pubApp);

// Command-line uses end before the GUI toolkit is touched, so they need no display.
int main(int argc, char** argv) {
  if (const std::optional<int> status = RunCommandLine(argc, argv)) return *status;
  const int status = wxEntry(argc, argv);
  RemoveDeferredAtExit();
  return status;
}
