// Whole-file reading and writing with fixed retry rules; failures are false or
// empty results and a debug-log line.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "platform/text/bytes.h"

namespace platform {

// The largest settings, profile or link markup file the tool reads for itself.
constexpr size_t kOwnFileLimit = size_t{1} << 20;

enum class ReadFault { None, Missing, CannotOpen, NotRegular, TooLarge, CannotRead };

struct FileRead {
  Bytes bytes;
  ReadFault fault = ReadFault::None;
};

// A file the tool reads for itself: opened without blocking, so that a FIFO
// or a device never holds the caller, and read only when it is a regular file
// of at most limit bytes. Faults after opening go to the debug log.
FileRead ReadRegularFile(const std::string& path, size_t limit);

// Tries every 100 ms, max(seconds * 10, 1) times in all; nullptr when every try fails.
FILE* OpenFileWait(const std::string& path, const char* mode, int seconds);

// Exactly the bytes the regular file holds, trying to open it as OpenFileWait
// does; empty when it cannot be read or is larger than limit.
Bytes ReadFileBytes(const std::string& path, size_t limit = kOwnFileLimit);

// The text of a file of unknown encoding, as UTF-8 (see DecodeText); empty
// when the file does not exist, is no regular file or is larger than limit.
std::string ReadTextFile(const std::string& path, size_t limit = kOwnFileLimit);

// False when the file cannot be opened, written or closed.
bool WriteFileBytes(const std::string& path, const Bytes& bytes);

}  // namespace platform
