// UTF-16 little-endian bytes, the form of the debug log and of the profiles
// that must keep Japanese text intact.
#pragma once

#include <string_view>

#include "platform/text/bytes.h"

namespace platform {

Bytes EncodeUtf16Le(std::string_view text);

// The same preceded by the byte-order mark FF FE.
Bytes EncodeUtf16LeWithBom(std::string_view text);

}  // namespace platform
