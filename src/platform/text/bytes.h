// Bytes as files and the wire hold them.
#pragma once

#include <vector>

namespace platform {

using Bytes = std::vector<unsigned char>;

}  // namespace platform
