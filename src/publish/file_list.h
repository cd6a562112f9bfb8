// The list of dropped files: the dialog's and a job's.
#pragma once

#include <string>
#include <vector>

namespace publish {

// Full paths of dropped files and folders: sorted by UTF-16 code units
// (case-sensitive, no locale) and free of duplicates after every drop.
using FileList = std::vector<std::string>;

// Appends one drop to the list, then sorts and removes exact duplicates.
void AddDroppedFiles(FileList& list, const std::vector<std::string>& dropped);

}  // namespace publish
