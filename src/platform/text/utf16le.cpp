#include "platform/text/utf16le.h"

#include "platform/text/utf.h"

namespace platform {

namespace {

Bytes Encode(std::string_view text, bool withBom) {
  const std::u16string units = Utf8ToUtf16(text);
  Bytes bytes;
  bytes.reserve(2 + units.size() * 2);
  if (withBom) bytes.insert(bytes.end(), {0xFF, 0xFE});
  for (char16_t unit : units) {
    bytes.push_back(static_cast<unsigned char>(unit & 0xFF));
    bytes.push_back(static_cast<unsigned char>(unit >> 8));
  }
  return bytes;
}

}  // namespace

Bytes EncodeUtf16Le(std::string_view text) { return Encode(text, false); }

Bytes EncodeUtf16LeWithBom(std::string_view text) { return Encode(text, true); }

}  // namespace platform
