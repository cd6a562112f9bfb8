#include "app/window_language.h"

#include <wx/translation.h>

#include <algorithm>
#include <cstdlib>

#include "app/wx_text.h"

namespace app {

namespace {

constexpr const char* kDomain = "wx_pub";
constexpr const char* kDigits = "0123456789";

std::string Environment(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

bool JapaneseWanted() {
  std::string locale;
  for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"})
    if (locale = Environment(name); !locale.empty()) break;
  if (locale.empty() || locale == "C" || locale.starts_with("C.") || locale == "POSIX") return true;
  if (const std::string language = Environment("LANGUAGE"); !language.empty()) locale = language.substr(0, language.find(':'));
  return locale.substr(0, locale.find_first_of("_.@")) == "ja";
}

}  // namespace

void UseWindowLanguage(const std::string& localeFolder) {
  auto* translations = new wxTranslations;
  wxTranslations::Set(translations);
  if (JapaneseWanted()) return;
  wxFileTranslationsLoader::AddCatalogLookupPathPrefix(FromUtf8(localeFolder));
  translations->SetLanguage("en");
  translations->AddCatalog(kDomain, wxLANGUAGE_JAPANESE);
}

wxString Translated(const std::string& japanese) { return wxGetTranslation(FromUtf8(japanese), kDomain); }

std::string TranslatedCause(const std::string& japanese) {
  const size_t start = japanese.find_first_of(kDigits);
  if (start == std::string::npos) return ToUtf8(Translated(japanese));
  const size_t end = std::min(japanese.find_first_not_of(kDigits, start), japanese.size());
  std::string text = ToUtf8(Translated(japanese.substr(0, start) + "%" + japanese.substr(end)));
  if (const size_t mark = text.find('%'); mark != std::string::npos) text.replace(mark, 1, japanese.substr(start, end - start));
  return text;
}

}  // namespace app
