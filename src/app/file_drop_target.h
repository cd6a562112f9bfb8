// Forwards files dropped on a window to one receiver; the dialog and each of
// its controls get their own target (a control without one would take the drop
// as text).
#pragma once

#include <wx/dnd.h>

#include <functional>
#include <string>
#include <vector>

namespace app {

class FileDropTarget : public wxFileDropTarget {
 public:
  using Receiver = std::function<void(const std::vector<std::string>&)>;
  explicit FileDropTarget(Receiver receiver);
  bool OnDropFiles(wxCoord x, wxCoord y, const wxArrayString& names) override;

 private:
  Receiver receiver_;
};

}  // namespace app
