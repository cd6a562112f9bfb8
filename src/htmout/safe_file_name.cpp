#include "htmout/xml_out.h"

namespace {

char SafeCharacter(char c) {
  switch (c) {
    case '\t': case '\n': case '\r': case '"': case ',': case ';': case '|':
      return '.';
    case ' ': case '/': case ':': case '?': case '\\':
      return '_';
    case '#': case '%':
      return '-';
    case '*':
      return 'x';
    case '<':
      return '(';
    case '>':
      return ')';
    default:
      return c;
  }
}

}  // namespace

std::string ToSafeFileName(const std::string& text) {
  std::string safe = text;
  for (char& c : safe) c = SafeCharacter(c);
  return safe;
}
