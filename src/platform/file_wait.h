// Opening settings files that another program may hold open: the open is
// retried every 100 ms for up to "Wait_MaxCount_sec" seconds (registry, under
// the family key + "\FileWait"; default 10) while it fails for sharing, and a
// waiting notice counts the tries.
#pragma once

#include <cstdio>
#include <functional>
#include <string>

namespace platform {

// One open attempt; nullptr with the cause in errno on failure.
using FileOpener = std::function<FILE*(const std::string& path, const char* mode)>;

// std::fopen of the path.
FILE* OpenFileOnce(const std::string& path, const char* mode);

// nullptr when the path is empty or the file cannot be opened ("rb").
FILE* FileWaitOpenRead(const std::string& path, const FileOpener& open = OpenFileOnce);
// The same for writing ("wb").
FILE* FileWaitOpenWrite(const std::string& path, const FileOpener& open = OpenFileOnce);

}  // namespace platform
