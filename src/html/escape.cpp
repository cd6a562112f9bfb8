#include "html/escape.h"

namespace html {
namespace {

bool NeedsPercent(unsigned char c) {
  return c <= 0x20 || c == 0x7f || c == '%' || c == '#' || c == '?' || c == ':';
}

std::string PercentEncode(std::string_view address) {
  constexpr char kHex[] = "0123456789ABCDEF";
  std::string out;
  out.reserve(address.size());
  for (unsigned char c : address) {
    if (NeedsPercent(c)) {
      out += '%';
      out += kHex[c >> 4];
      out += kHex[c & 0x0f];
    } else {
      out += static_cast<char>(c);
    }
  }
  return out;
}

}  // namespace

std::string EscapeText(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    switch (c) {
    case '&': out += "&amp;"; break;
    case '<': out += "&lt;"; break;
    case '>': out += "&gt;"; break;
    case '"': out += "&quot;"; break;
    default: out += c;
    }
  }
  return out;
}

std::string EscapeAddress(std::string_view address) {
  return EscapeText(PercentEncode(address));
}

}  // namespace html
