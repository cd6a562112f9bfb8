// An advisory lock on a file, which the system lets go when its process
// ends, however it ends.
#pragma once

#include <string>

namespace platform {

class FileLock {
 public:
  FileLock() = default;
  FileLock(const FileLock&) = delete;
  FileLock& operator=(const FileLock&) = delete;
  ~FileLock();   // lets go

  // Takes the lock on an existing file or folder without waiting; false when
  // another holder has it or the path cannot be opened.
  bool TryLock(const std::string& path);

 private:
  int fd_ = -1;
};

}  // namespace platform
