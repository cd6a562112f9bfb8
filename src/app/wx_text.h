// The program keeps text as UTF-8; wxString must be told so explicitly, the
// C locale would not decode it.
#pragma once

#include <wx/string.h>

#include <string>

inline wxString FromUtf8(const std::string& text) { return wxString::FromUTF8(text.data(), text.size()); }

inline std::string ToUtf8(const wxString& text) { return text.utf8_string(); }
