// The application object: runs the main dialog modally and ends with it.
#pragma once

#include <wx/app.h>

#include <string>
#include <vector>

class CWx_pubApp : public wxApp {
 public:
  // The FILE arguments, as full paths; they reach the dialog as one drop.
  explicit CWx_pubApp(std::vector<std::string> files);
  // The dialog's own modal loop is the only message loop.
  int OnRun() override;

 private:
  std::vector<std::string> m_files;
};
