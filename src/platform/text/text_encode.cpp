#include "platform/text/text_encode.h"

#include "platform/text/cp932.h"
#include "platform/text/text_case.h"
#include "platform/text/text_decode.h"
#include "platform/text/utf16le.h"

namespace platform {

namespace {

Bytes AsBytes(std::string_view text) { return Bytes(text.begin(), text.end()); }

}  // namespace

std::optional<Bytes> EncodeAs(Encoding code, std::string_view text) {
  std::string cp932;
  switch (code) {
    case Encoding::Utf8: return AsBytes(text);
    case Encoding::Utf16Le: return EncodeUtf16Le(text);
    case Encoding::ShiftJis: return Utf8ToCp932(text, cp932) ? std::optional(AsBytes(cp932)) : std::nullopt;
    case Encoding::SevenBit:
    case Encoding::None: return IsAscii(text) ? std::optional(AsBytes(text)) : std::nullopt;
    default: return std::nullopt;
  }
}

}  // namespace platform
