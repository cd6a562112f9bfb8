// What the Upload command tells the user when files did not go out.
#pragma once

#include <string>
#include <vector>

// The failed files, one per line, and the reason.
std::string UploadFailureText(const std::vector<std::string>& failedFiles, const std::string& reason);
