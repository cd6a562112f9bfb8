#include "app/app.h"

#include "app/main_dialog.h"

namespace app {

App::App(std::vector<std::string> files) : files_(std::move(files)) {}

int App::OnRun() {
  MainDialog dialog;
  SetTopWindow(&dialog);
  if (!files_.empty()) dialog.DropStartFiles(files_);
  dialog.ShowModal();
  return 0;
}

}  // namespace app
