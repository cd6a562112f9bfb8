#include "app/file_drop_target.h"

#include "app/wx_text.h"

namespace app {

FileDropTarget::FileDropTarget(Receiver receiver) : receiver_(std::move(receiver)) {}

bool FileDropTarget::OnDropFiles(wxCoord, wxCoord, const wxArrayString& names) {
  std::vector<std::string> paths;
  for (const wxString& name : names) paths.push_back(ToUtf8(name));
  receiver_(paths);
  return true;
}

}  // namespace app
