#include "platform/utf.h"
#include "upfile/upload_settings.h"

namespace {

char SevenBitOf(char16_t unit) {
  unsigned c = unit & 127u;
  if (c < 32) c += 32;
  if (c == 127) c = 126;
  switch (c) {
    case ' ': return '_';
    case '!': return '1';
    case '"': return '2';
    case '#': return '3';
    case '$': return '4';
    case '%': return '5';
    case '&': return '6';
    case '\'': return '7';
    case '(': return '8';
    case ')': return '9';
    case '*': case ':': return 'a';
    case '+': case ';': case '[': case '{': return 'b';
    case ',': case '<': case '\\': case '|': return 'c';
    case '=': case ']': case '}': return 'd';
    case '>': case '^': case '~': return 'e';
    case '/': case '?': return 'f';
    case '@': case '`': return '0';
    default: return static_cast<char>(c);
  }
}

}  // namespace

std::string NameTo7bit(const std::string& text) {
  const std::u16string units = Utf8ToUtf16(text);
  std::string out;
  out.reserve(units.size());
  for (char16_t unit : units) out += SevenBitOf(unit);
  return out;
}
