#include "app/open_in_browser.h"

#include "platform/process/shell_open.h"
#include "platform/system/feedback.h"

namespace app {

bool OpenInBrowser(const std::string& address) {
  const platform::ShellResult result = platform::ShellOpen(address);
  if (result == platform::ShellResult::Ok) return true;
  platform::MessageBoxLog(platform::ShellErrorText(result, address), {});
  return false;
}

}  // namespace app
