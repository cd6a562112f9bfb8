#include "platform/text/utf.h"

#include <algorithm>
#include <cstdint>

namespace platform {

namespace {

constexpr char32_t kReplacement = 0xFFFD;
// A byte that is not part of well-formed UTF-8 stands for itself as a lone
// low surrogate U+DC80..U+DCFF, so names with different bytes stay different
// and the bytes come back unchanged.
constexpr char32_t kEscapeBase = 0xDC00;

bool IsEscapedByte(char32_t cp) { return cp >= kEscapeBase + 0x80 && cp <= kEscapeBase + 0xFF; }

// Decodes one code point at text[pos]; advances pos. Returns the escaped lead
// byte and advances by one byte when the sequence is not well-formed UTF-8.
char32_t DecodeOne(std::string_view text, size_t& pos) {
  const auto byte = [&](size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byte(pos);
  ++pos;
  if (lead < 0x80) return lead;
  const char32_t escaped = kEscapeBase + lead;
  size_t extra = 0;
  char32_t cp = 0;
  char32_t min = 0;
  if (lead >= 0xC2 && lead <= 0xDF) {
    extra = 1, cp = lead & 0x1F, min = 0x80;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    extra = 2, cp = lead & 0x0F, min = 0x800;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    extra = 3, cp = lead & 0x07, min = 0x10000;
  } else {
    return escaped;
  }
  for (size_t i = 0; i < extra; ++i) {
    if (pos + i >= text.size() || (byte(pos + i) & 0xC0) != 0x80) return escaped;
    cp = (cp << 6) | (byte(pos + i) & 0x3F);
  }
  if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return escaped;
  pos += extra;
  return cp;
}

// The code point's UTF-16 units as one number that orders as the units do.
// No decoded code point shares a first unit with a surrogate pair.
uint32_t Utf16SortKey(char32_t cp) {
  if (cp < 0x10000) return static_cast<uint32_t>(cp) << 10;
  const uint32_t offset = cp - 0x10000;
  return ((0xD800 + (offset >> 10)) << 10) | (offset & 0x3FF);
}

// Length of the common front of both texts, cut back to just after an ASCII
// byte: decoding from there is in step with decoding from the start.
size_t CommonAsciiStart(std::string_view a, std::string_view b) {
  size_t n = static_cast<size_t>(std::mismatch(a.begin(), a.end(), b.begin(), b.end()).first - a.begin());
  while (n > 0 && static_cast<unsigned char>(a[n - 1]) >= 0x80) --n;
  return n;
}

void AppendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

}  // namespace

std::u16string Utf8ToUtf16(std::string_view text) {
  std::u16string out;
  out.reserve(text.size());
  for (size_t pos = 0; pos < text.size();) {
    const char32_t cp = DecodeOne(text, pos);
    if (cp >= 0x10000) {
      out += static_cast<char16_t>(0xD800 + ((cp - 0x10000) >> 10));
      out += static_cast<char16_t>(0xDC00 + ((cp - 0x10000) & 0x3FF));
    } else {
      out += static_cast<char16_t>(cp);
    }
  }
  return out;
}

std::string Utf16ToUtf8(std::u16string_view units) {
  std::string out;
  out.reserve(units.size());
  for (size_t i = 0; i < units.size(); ++i) {
    const char16_t u = units[i];
    if (u >= 0xD800 && u <= 0xDBFF && i + 1 < units.size() && units[i + 1] >= 0xDC00 && units[i + 1] <= 0xDFFF) {
      AppendUtf8(out, 0x10000 + ((static_cast<char32_t>(u) - 0xD800) << 10) + (units[i + 1] - 0xDC00));
      ++i;
    } else if (IsEscapedByte(u)) {
      out += static_cast<char>(u - kEscapeBase);
    } else if (u >= 0xD800 && u <= 0xDFFF) {
      AppendUtf8(out, kReplacement);
    } else {
      AppendUtf8(out, u);
    }
  }
  return out;
}

std::string SanitizeUtf8(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (size_t pos = 0; pos < text.size();) {
    const size_t start = pos;
    if (IsEscapedByte(DecodeOne(text, pos)))
      AppendUtf8(out, kReplacement);
    else
      out.append(text.substr(start, pos - start));
  }
  return out;
}

bool LessByUtf16(std::string_view a, std::string_view b) {
  // Byte order of UTF-8 equals code-point order; it differs from UTF-16 order
  // only between U+E000..U+FFFF and the supplementary planes, so compare units,
  // decoded in place from the first difference: long lists of paths are sorted with this.
  size_t i = CommonAsciiStart(a, b), j = i;
  while (i < a.size() && j < b.size()) {
    const uint32_t x = Utf16SortKey(DecodeOne(a, i));
    const uint32_t y = Utf16SortKey(DecodeOne(b, j));
    if (x != y) return x < y;
  }
  return i == a.size() && j < b.size();
}

}  // namespace platform
