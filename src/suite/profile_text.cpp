#include "suite/profile_text.h"

#include "platform/fs/atomic_file.h"
#include "platform/fs/file_io.h"
#include "platform/system/clock.h"
#include "platform/text/text_decode.h"
#include "platform/text/text_encode.h"
#include "platform/text/utf16le.h"

namespace suite {

namespace {

std::string ConversionNote() {
  const std::string rule = ";" + std::string(69, '-') + "\r\n";
  return rule + ";\t" + platform::FormatLocalTime("%Y/%m/%d %H:%M:%S") + "\r\n" + rule;
}

bool IsUtf16(const platform::Bytes& head) {
  return head.size() >= 2 && ((head[0] == 0xFF && head[1] == 0xFE) || (head[0] == 0xFE && head[1] == 0xFF));
}

// The text when the encoding is settled and it keeps every byte (no zero, no
// invalid byte): a rewrite must not lose or garble what it cannot read.
std::optional<std::string> DecodeWithoutLoss(platform::Bytes bytes) {
  size_t markSize = 0;
  const platform::Encoding code = platform::DetectEncodingOf(bytes, markSize);
  bytes.erase(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(markSize));
  const std::optional<std::string> text = platform::DecodeAs(code, bytes);
  return text && platform::EncodeAs(code, *text) == bytes ? text : std::nullopt;
}

}  // namespace

// Runs at every construction of a profile: a missing or converted file costs one open and read.
bool RewriteProfileAsUtf16(const std::string& path) {
  platform::FileRead read = platform::ReadRegularFile(path, platform::kOwnFileLimit);
  if (read.fault == platform::ReadFault::Missing) return true;
  if (read.fault != platform::ReadFault::None) return false;
  if (read.bytes.empty() || IsUtf16(read.bytes)) return true;
  const std::optional<std::string> text = DecodeWithoutLoss(std::move(read.bytes));
  return text && platform::ReplaceFileAtomically(path, platform::EncodeUtf16LeWithBom(ConversionNote() + *text));
}

}  // namespace suite
