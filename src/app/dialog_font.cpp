#include "app/dialog_font.h"

#include <wx/fontenum.h>

#include <initializer_list>

#include "app/wx_text.h"

namespace app {

namespace {

constexpr int kPointSize = 9;

wxFont FirstInstalledFace(std::initializer_list<const char*> faces, wxFontFamily family) {
  for (const char* face : faces) {
    const wxString name = FromUtf8(face);
    if (wxFontEnumerator::IsValidFacename(name)) {
      return wxFont(kPointSize, family, wxFONTSTYLE_NORMAL, wxFONTWEIGHT_NORMAL, false, name);
    }
  }
  return wxFont(kPointSize, family, wxFONTSTYLE_NORMAL, wxFONTWEIGHT_NORMAL);
}

}  // namespace

wxFont MainDialogFont() {
  return FirstInstalledFace({"ＭＳ ゴシック", "MS Gothic", "IPAGothic", "IPAゴシック", "Noto Sans Mono CJK JP",
                             "VL Gothic"},
                            wxFONTFAMILY_TELETYPE);
}

wxFont AboutDialogFont() {
  return FirstInstalledFace({"ＭＳ Ｐゴシック", "MS PGothic", "IPAPGothic", "IPA Pゴシック", "Noto Sans CJK JP",
                             "VL PGothic"},
                            wxFONTFAMILY_SWISS);
}

}  // namespace app
