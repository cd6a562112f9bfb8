// The window's texts are its Japanese ones; they stay so under the C locale
// and in Japanese, and every other language gets the English catalog.
#pragma once

#include <wx/string.h>

#include <string>

namespace app {

// Reads the language as gettext does (LC_ALL, LC_MESSAGES, LANG, then the
// first entry of LANGUAGE unless the locale is C) and loads the catalog from
// localeFolder/<language>/LC_MESSAGES/ when it is not Japanese.
void UseWindowLanguage(const std::string& localeFolder);

// The window's words for one of its own texts.
wxString Translated(const std::string& japanese);

// A cause text of the publishing core: its row has "%" where the text has the
// number.
std::string TranslatedCause(const std::string& japanese);

}  // namespace app
