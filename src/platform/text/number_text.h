// Numbers in settings text, read the same whatever the locale (as the C
// runtime's _wtoi).
#pragma once

#include <cstdint>
#include <string_view>

namespace platform {

// Leading blanks, an optional sign and the leading digits; no digits gives 0.
// Values beyond the 64-bit range stop at its limits.
int64_t LeadingInt64(std::string_view text);

}  // namespace platform
