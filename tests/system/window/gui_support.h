// Drives the main dialog on the virtual display the way its controls would.
#pragma once

#include <wx/defs.h>
#include <wx/modalhook.h>

#include <functional>
#include <string>
#include <vector>

#include "app/main_dialog.h"

namespace gui {

// A shown and started dialog.
app::MainDialog* OpenDialog();
void CloseDialog(app::MainDialog* dialog);

// Processes events until done() holds (true) or the time is up (false).
bool WaitUntil(const std::function<bool()>& done, int timeoutMs = 30000);
// Lets the display and the toolkit catch up with what was asked of them.
void ProcessPending();

void Click(wxWindow& dialog, int id);
// A drop of files onto the given window, through its drop target.
void Drop(wxWindow& target, const std::vector<std::string>& paths);

std::vector<std::string> ListLines(wxWindow& dialog);
std::string EditText(wxWindow& dialog);
std::string ClipboardText();

// Answers every modal dialog before it appears (with `answer`) and keeps the
// message, style and first button label of each message box.
struct ModalAnswerer : wxModalDialogHook {
  ModalAnswerer() { Register(); }
  ~ModalAnswerer() override { Unregister(); }
  int answer = wxID_OK;
  std::vector<std::string> messages, firstLabels;
  std::vector<long> styles;
  int Enter(wxDialog* dialog) override;
  void Exit(wxDialog*) override {}
};

}  // namespace gui
