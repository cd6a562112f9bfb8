#include "platform/profile.h"
#include "platform/shell_exec.h"
#include "update/update_check.h"

namespace {

void OpenInBrowser(const std::string& address) {
  S_Exec shell;
  shell.SetOperation("open");
  shell.SetParameters(address);
  shell.Execute();
}

}  // namespace

bool check_for_update() {
  const std::string address = update_page_address();
  const bool changed = page_changed(address);
  Env profile(kUpdateProfile);
  if (changed) {
    const int count = profile.GetInt(kUpdateSection, kUpdateCountKey, kDefaultUpdateCount);
    profile.WriteInt(kUpdateSection, kUpdateCountKey, count + 1);
  }
  if (profile.GetInt(kUpdateSection, kUpdateCountKey, kDefaultUpdateCount) > kUpdateCountLimit) {
    OpenInBrowser("https:" + address);
    profile.WriteInt(kUpdateSection, kUpdateCountKey, 0);
  }
  return changed;
}
