// The program keeps text as UTF-8; wxString must be told so explicitly, the
// C locale would not decode it.
#pragma once

#include <wx/string.h>

#include <string>

#include "platform/text/utf.h"

namespace app {

// File names need not be UTF-8: their stray bytes show as U+FFFD, where
// wxString would drop the whole text.
inline wxString FromUtf8(const std::string& text) {
  const std::string valid = platform::SanitizeUtf8(text);
  return wxString::FromUTF8(valid.data(), valid.size());
}

inline std::string ToUtf8(const wxString& text) { return text.utf8_string(); }

}  // namespace app
