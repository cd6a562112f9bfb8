#include "platform/system/feedback.h"

namespace platform {

namespace {

// Per thread: the window's worker threads report to no window.
UserInterface*& Installed() {
  static thread_local UserInterface* ui = nullptr;
  return ui;
}

}  // namespace

UserInterface::~UserInterface() = default;

void InstallUserInterface(UserInterface* ui) { Installed() = ui; }
UserInterface* InstalledUserInterface() { return Installed(); }

void ShowNotice(const std::string& notice) {
  if (UserInterface* ui = Installed()) ui->ShowNotice(notice);
}

}  // namespace platform
