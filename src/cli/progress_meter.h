// The one-line progress meter of "wx_pub --upload" on a terminal.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace cli {

// "2/5 files  1.5 of 10.0 MiB  15%": files done of all, then the bytes sent
// in the unit their total calls for and their share; without a total only the files.
std::string MeterLine(size_t done, size_t all, uint64_t sent, uint64_t total);

}  // namespace cli
