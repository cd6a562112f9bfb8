#include "app/clipboard_text.h"

#include <wx/clipbrd.h>

#include "app/wx_text.h"

namespace app {

bool CopyTextToClipboard(const std::string& text) {
  wxClipboardLocker locker;
  if (!locker) return false;
  if (!wxTheClipboard->SetData(new wxTextDataObject(FromUtf8(text)))) return false;
  wxTheClipboard->Flush();
  return true;
}

}  // namespace app
