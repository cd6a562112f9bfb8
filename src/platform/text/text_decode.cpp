#include "platform/text/text_decode.h"

#include <algorithm>

#include "platform/text/cp932.h"
#include "platform/text/utf.h"

namespace platform {

namespace {

unsigned char ByteAt(const Bytes& bytes, size_t i) { return i < bytes.size() ? bytes[i] : 0xFF; }

bool InRange(unsigned char c, unsigned char low, unsigned char high) { return c >= low && c <= high; }

bool IsShiftJisPair(unsigned char h, unsigned char l) {
  if (InRange(h, 0x81, 0x9F)) return InRange(l, 0x40, 0x7E) || InRange(l, 0x80, 0xFC);
  if (InRange(h, 0xE0, 0xFC)) return InRange(l, 0x40, 0x7E) || InRange(l, 0xC0, 0xFC);
  return false;
}

enum class ShiftJisScan { kSevenBit, kShiftJis, kUndecided };

ShiftJisScan ScanShiftJis(const Bytes& bytes) {
  const size_t n = bytes.size();
  bool eightBit = false;
  size_t i = 0;
  while (i + 1 < n) {
    const unsigned char h = bytes[i];
    const unsigned char l = bytes[i + 1];
    if (h < 0x80) {
      ++i;
      continue;
    }
    eightBit = true;
    if (IsShiftJisPair(h, l)) return ShiftJisScan::kShiftJis;
    i += 2;
    if (l >= 0x80) {
      while (i < n && bytes[i] >= 0x80) ++i;
      ++i;
    }
  }
  return eightBit ? ShiftJisScan::kUndecided : ShiftJisScan::kSevenBit;
}

// Continuation bytes that follow a lead byte, or 0 for a byte that leads nothing.
size_t ContinuationCount(unsigned char c) {
  if (InRange(c, 0xC0, 0xDF)) return 1;
  if (InRange(c, 0xE0, 0xEF)) return 2;
  if (InRange(c, 0xF0, 0xF7)) return 3;
  if (InRange(c, 0xF8, 0xFB)) return 4;
  if (InRange(c, 0xFC, 0xFD)) return 5;
  return 0;
}

Encoding CountUtf8(const Bytes& bytes) {
  size_t valid = 0;
  for (size_t i = 0; i < bytes.size(); ++i) {
    const unsigned char c = bytes[i];
    if (c < 0x80) continue;
    const size_t extra = ContinuationCount(c);
    if (extra == 0) return Encoding::None;
    bool complete = i + extra < bytes.size();
    for (size_t k = 1; complete && k <= extra; ++k) complete = InRange(bytes[i + k], 0x80, 0xBF);
    if (complete) {
      ++valid;
      i += extra;
    }
  }
  return valid > 0 ? Encoding::Utf8 : Encoding::None;
}

Encoding PatternTest(const Bytes& bytes) {
  if (bytes.size() < 2) return Encoding::SevenBit;
  switch (ScanShiftJis(bytes)) {
    case ShiftJisScan::kSevenBit: return Encoding::SevenBit;
    case ShiftJisScan::kShiftJis: return Encoding::ShiftJis;
    case ShiftJisScan::kUndecided: break;
  }
  return CountUtf8(bytes);
}

// Recognises a byte-order mark and says how many bytes it takes; 0 when there is none.
Encoding MarkCode(const Bytes& bytes, size_t& markSize) {
  const unsigned char b0 = ByteAt(bytes, 0), b1 = ByteAt(bytes, 1), b2 = ByteAt(bytes, 2);
  const unsigned char b3 = ByteAt(bytes, 3);
  if (b0 == 0xEF && b1 == 0xBB && b2 == 0xBF) return markSize = 3, Encoding::Utf8;
  if (b0 == 0xFE && b1 == 0xFF) return markSize = 2, Encoding::Utf16Be;
  if (b0 == 0x00 && b1 == 0x00 && b2 == 0xFE && b3 == 0xFF) return markSize = 4, Encoding::Utf32Be;
  if (b0 == 0xFF && b1 == 0xFE) {
    if (b2 == 0x00 && b3 == 0x00) return markSize = 4, Encoding::Utf32Le;
    return markSize = 2, Encoding::Utf16Le;
  }
  return markSize = 0, Encoding::None;
}

void SwapUnits(Bytes& bytes, size_t unit) {
  for (size_t i = 0; i + unit <= bytes.size(); i += unit) std::reverse(bytes.begin() + i, bytes.begin() + i + unit);
}

std::string FromUtf16Le(const Bytes& bytes) {
  std::u16string units;
  for (size_t i = 0; i + 1 < bytes.size(); i += 2) {
    const char16_t unit = static_cast<char16_t>(bytes[i] | (bytes[i + 1] << 8));
    if (unit == 0) break;
    units += unit;
  }
  return Utf16ToUtf8(units);
}

// Whole code points; one that is not a Unicode scalar value becomes U+FFFD.
std::string FromUtf32Le(const Bytes& bytes) {
  std::u16string units;
  for (size_t i = 0; i + 3 < bytes.size(); i += 4) {
    char32_t cp = bytes[i] | (bytes[i + 1] << 8) | (bytes[i + 2] << 16) | (char32_t{bytes[i + 3]} << 24);
    if (cp == 0) break;
    if (cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) cp = 0xFFFD;
    if (cp >= 0x10000) {
      units += static_cast<char16_t>(0xD800 + ((cp - 0x10000) >> 10));
      units += static_cast<char16_t>(0xDC00 + ((cp - 0x10000) & 0x3FF));
    } else {
      units += static_cast<char16_t>(cp);
    }
  }
  return Utf16ToUtf8(units);
}

std::string_view UpToZero(const Bytes& bytes) {
  const auto zero = std::find(bytes.begin(), bytes.end(), 0);
  return std::string_view(reinterpret_cast<const char*>(bytes.data()), static_cast<size_t>(zero - bytes.begin()));
}

}  // namespace

size_t UnitSize(Encoding code) {
  switch (code) {
    case Encoding::Utf16Le:
    case Encoding::Utf16Be: return 2;
    case Encoding::Utf32Le:
    case Encoding::Utf32Be: return 4;
    default: return 1;
  }
}

Encoding DetectEncodingOf(const Bytes& bytes, size_t& markSize) {
  const Encoding code = MarkCode(bytes, markSize);
  // A mark completed by the bytes beyond the end ("FE" alone) takes what there is.
  markSize = std::min(markSize, bytes.size());
  return markSize == 0 ? PatternTest(bytes) : code;
}

Encoding DetectEncoding(Bytes& bytes) {
  size_t markSize = 0;
  const Encoding code = DetectEncodingOf(bytes, markSize);
  bytes.erase(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(markSize));
  bytes.insert(bytes.end(), UnitSize(code), 0);
  return code;
}

std::optional<std::string> DecodeAs(Encoding code, Bytes bytes) {
  switch (code) {
    case Encoding::Utf16Be: SwapUnits(bytes, 2); return FromUtf16Le(bytes);
    case Encoding::Utf16Le: return FromUtf16Le(bytes);
    case Encoding::Utf32Be: SwapUnits(bytes, 4); return FromUtf32Le(bytes);
    case Encoding::Utf32Le: return FromUtf32Le(bytes);
    case Encoding::Utf8: return SanitizeUtf8(UpToZero(bytes));
    default: return Cp932ToUtf8(UpToZero(bytes));
  }
}

std::string DecodeText(Bytes bytes) {
  const Encoding code = DetectEncoding(bytes);
  return DecodeAs(code, std::move(bytes)).value_or("");
}

}  // namespace platform
