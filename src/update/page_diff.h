// The file-compare step of the update check.
#pragma once

#include <string>

namespace update {

// Runs the system's "diff" (found on the search path, started without a
// shell) on the two files with its output in resultFile. False, and nothing
// written, without a diff program or when it cannot be started.
bool WritePageDifferences(const std::string& oldFile, const std::string& newFile, const std::string& resultFile);

}  // namespace update
