// Tells whether a file may have changed since it was last read, so that a
// parsed copy of a small file can be reused instead of reading it again.
#pragma once

#include <cstdint>
#include <string>

namespace platform {

struct FileStamp {
  bool exists = false;
  int64_t size = 0;
  int64_t modifiedNs = 0;
  int64_t changedNs = 0;
  uint64_t fileId = 0;
  bool operator==(const FileStamp&) const = default;
};

FileStamp GetFileStamp(const std::string& path);

// File systems keep times coarsely (a few ms, up to 2 s), so a write of the
// same size soon after the last one may leave the stamp unchanged. A stamp is
// trustworthy only when its modification time lies clearly before now: any
// later write then sets a different time.
bool IsSettledStamp(const FileStamp& stamp);

}  // namespace platform
