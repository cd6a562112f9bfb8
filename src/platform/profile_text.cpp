#include "platform/profile_text.h"

#include "platform/atomic_file.h"
#include "platform/clock.h"
#include "platform/file_io.h"
#include "platform/text_decode.h"
#include "platform/text_encode.h"
#include "platform/utf16le.h"

namespace platform {

namespace {

std::string ConversionNote() {
  const std::string rule = ";" + std::string(69, '-') + "\r\n";
  return rule + ";\t" + FormatLocalTime("%Y/%m/%d %H:%M:%S") + "\r\n" + rule;
}

bool IsUtf16(const Bytes& head) {
  return head.size() >= 2 && ((head[0] == 0xFF && head[1] == 0xFE) || (head[0] == 0xFE && head[1] == 0xFF));
}

// The text when the encoding is settled and it keeps every byte (no zero, no
// invalid byte): a rewrite must not lose or garble what it cannot read.
std::optional<std::string> DecodeWithoutLoss(Bytes bytes) {
  size_t markSize = 0;
  const int code = DetectEncodingOf(bytes, markSize);
  bytes.erase(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(markSize));
  const std::optional<std::string> text = DecodeAs(code, bytes);
  return text && EncodeAs(code, *text) == bytes ? text : std::nullopt;
}

}  // namespace

// Runs at every construction of a profile: a missing or converted file costs one open and read.
bool RewriteProfileAsUtf16(const std::string& path) {
  FileRead read = ReadRegularFile(path, kOwnFileLimit);
  if (read.fault == ReadFault::Missing) return true;
  if (read.fault != ReadFault::None) return false;
  if (read.bytes.empty() || IsUtf16(read.bytes)) return true;
  const std::optional<std::string> text = DecodeWithoutLoss(std::move(read.bytes));
  return text && ReplaceFileAtomically(path, EncodeUtf16LeWithBom(ConversionNote() + *text));
}

}  // namespace platform
