#include "app/file_drop_target.h"

#include "app/wx_text.h"

FileDropTarget::FileDropTarget(Receiver receiver) : m_receiver(std::move(receiver)) {}

bool FileDropTarget::OnDropFiles(wxCoord, wxCoord, const wxArrayString& names) {
  std::vector<std::string> paths;
  for (const wxString& name : names) paths.push_back(ToUtf8(name));
  m_receiver(paths);
  return true;
}
