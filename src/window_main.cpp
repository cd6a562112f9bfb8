// The window program: the dialog, listing the FILEs it is started with. wx_pub
// starts it with its own arguments when a run needs the window.
#include <wx/app.h>
#include <wx/log.h>

#include <algorithm>
#include <csignal>
#include <cstdlib>

#include "app/app.h"
#include "app/notices_to_standard_error.h"
#include "app/window_language.h"
#include "platform/fs/file_status.h"
#include "platform/system/feedback.h"
#include "platform/system/system_places.h"
#include "platform/text/path_text.h"
#include "publish/publish.h"

namespace {

bool HasDisplay() {
  for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY"})
    if (const char* value = std::getenv(name); value && *value) return true;
  return false;
}

// GTK would abort without a display; a terminal user is better told the way
// round it, through the console installed meanwhile.
int NoDisplay() {
  platform::ShowNotice("wx_pub: no display: to publish from a terminal use `wx_pub --upload FILE…`");
  platform::InstallUserInterface(nullptr);
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  // As in wx_pub: a write past the file-size limit fails instead of ending the program.
  std::signal(SIGXFSZ, SIG_IGN);
  // Notices reach standard error until the window stands in for this thread.
  app::NoticesToStandardError console;
  platform::InstallUserInterface(&console);
  if (!HasDisplay()) return NoDisplay();
  app::UseWindowLanguage(platform::GetFolderPart(platform::ProgramPath()) + "/" WXPUB_LOCALE_FROM_WINDOW);
  // The FILE names as main() got them: no locale conversion touches a name.
  std::vector<std::string> files;
  for (int i = 1; i < argc; ++i) files.push_back(platform::AbsolutePath(argv[i]));
  wxApp::SetInstance(new app::App(files));
  // The toolkit sees the program name only: it would pass the FILE names
  // through the locale's encoding, which need not be theirs.
  int toolkitArgc = std::min(argc, 1);
  // A display named but not to be opened fails here; wx would report that in
  // a window, which is what cannot be had.
  bool started = false;
  {
    const wxLogNull quiet;
    started = wxEntryStart(toolkitArgc, argv);
  }
  if (!started) return NoDisplay();
  int status = 1;
  if (wxTheApp->CallOnInit()) {
    status = wxTheApp->OnRun();
    wxTheApp->OnExit();
  }
  wxEntryCleanup();
  // The uploads ran in this process, so their deferred removal runs here.
  publish::RemoveDeferredAtExit();
  platform::InstallUserInterface(nullptr);
  return status;
}
