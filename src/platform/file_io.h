// Whole-file reading and writing with fixed retry rules; failures are false or
// empty results and a debug-log line.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

namespace platform {

using Bytes = std::vector<unsigned char>;

// Tries every 100 ms, max(seconds * 10, 1) times in all; nullptr when every try fails.
FILE* OpenFileWait(const std::string& path, const char* mode, int seconds);

// Exactly the bytes the file holds; empty when it cannot be read.
Bytes ReadFileBytes(const std::string& path);

// False when the file cannot be opened, written or closed.
bool WriteFileBytes(const std::string& path, const Bytes& bytes);

}  // namespace platform
