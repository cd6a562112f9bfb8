// Text in the encoding of a detector code, for adding lines to a file that
// keeps the rest of its bytes.
#pragma once

#include <optional>
#include <string_view>

#include "platform/text/bytes.h"
#include "platform/text/text_decode.h"

namespace platform {

// UTF-8, UTF-16 LE (without mark) or code page 932 as the code says; for 7-bit
// and undecided 8-bit codes only 7-bit text, which reads the same in every
// guess. nullopt when the text has no form in the code.
std::optional<Bytes> EncodeAs(Encoding code, std::string_view text);

}  // namespace platform
