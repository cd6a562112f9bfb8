#include "app/open_in_browser.h"

#include "app/message_box.h"
#include "platform/process/shell_open.h"

namespace app {

bool OpenInBrowser(wxWindow* parent, const std::string& address) {
  const platform::ShellResult result = platform::ShellOpen(address);
  if (result == platform::ShellResult::Ok) return true;
  MessageBoxLog(parent, platform::ShellErrorText(result, address), {});
  return false;
}

}  // namespace app
