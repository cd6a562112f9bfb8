// The file-compare step of the update check: the differences of two page
// files go into a result file, which is then copied to standard output.
#pragma once

#include <string>

// Runs the system's "diff" (found on the search path, started without a
// shell) on the two files. Without a diff program nothing is written.
// False when no result file was produced.
bool show_page_differences(const std::string& oldFile, const std::string& newFile, const std::string& resultFile);
