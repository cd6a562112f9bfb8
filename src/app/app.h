// The application object: runs the main dialog modally and ends with it.
#pragma once

#include <wx/app.h>

#include <string>
#include <vector>

namespace app {

class App : public wxApp {
 public:
  // The FILE arguments, as full paths; they reach the dialog as one drop.
  explicit App(std::vector<std::string> files);
  // The dialog's own modal loop is the only message loop.
  int OnRun() override;

 private:
  std::vector<std::string> files_;
};

}  // namespace app
