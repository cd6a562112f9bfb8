#include "platform/text/text_case.h"

#include <locale.h>
#include <wctype.h>

#include <algorithm>

#include "platform/text/utf.h"

namespace platform {

bool IsAscii(std::string_view text) {
  return std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

namespace {

char LowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

// The "C" locale folds only ASCII; the built-in C.UTF-8 locale knows every script.
locale_t UnicodeLocale() {
  static const locale_t locale = newlocale(LC_CTYPE_MASK, "C.UTF-8", static_cast<locale_t>(0));
  return locale;
}

std::string LowerUnicode(std::string_view text) {
  std::u16string units = Utf8ToUtf16(text);
  const locale_t locale = UnicodeLocale();
  for (char16_t& unit : units) {
    if (unit < 0x80) {
      unit = static_cast<char16_t>(LowerAscii(static_cast<char>(unit)));
    } else if (locale && (unit < 0xD800 || unit > 0xDFFF)) {
      unit = static_cast<char16_t>(towlower_l(unit, locale));
    }
  }
  return Utf16ToUtf8(units);
}

}  // namespace

std::string ToLowerText(std::string_view text) {
  if (!IsAscii(text)) return LowerUnicode(text);
  std::string lower(text);
  std::transform(lower.begin(), lower.end(), lower.begin(), LowerAscii);
  return lower;
}

bool EqualNoCase(std::string_view a, std::string_view b) {
  if (IsAscii(a) && IsAscii(b)) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return LowerAscii(x) == LowerAscii(y); });
  }
  return LowerUnicode(a) == LowerUnicode(b);
}

}  // namespace platform
