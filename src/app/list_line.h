// The line the dialog's list shows for one file.
#pragma once

#include <cstdint>
#include <string>

namespace app {

// Size with a binary unit, right-aligned, thousands separated, e.g.
// "      5 ", "   1,023 ", "  1.50 K".
std::string SizeField(uint64_t size);

// "date size バイト name" for one list entry; the date is empty when the
// modification time cannot be turned into local time.
std::string ListLine(const std::string& path);

}  // namespace app
