// The dialog's list of dropped files and the text line shown for each entry.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace publish {

// Full paths of dropped files and folders: sorted by UTF-16 code units
// (case-sensitive, no locale) and free of duplicates after every drop.
using FileList = std::vector<std::string>;

// Appends one drop to the list, then sorts and removes exact duplicates.
void AddDroppedFiles(FileList& list, const std::vector<std::string>& dropped);

// Size with a binary unit, right-aligned, thousands separated, e.g.
// "      5 ", "   1,023 ", "  1.50 K".
std::string SizeField(uint64_t size);

// "date size バイト name" for one list entry; the date is empty when the
// modification time cannot be turned into local time.
std::string ListLine(const std::string& path);

}  // namespace publish
