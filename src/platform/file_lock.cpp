#include "platform/file_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <fstream>
#include <string>

namespace platform {

FileLock::~FileLock() {
  if (fd_ >= 0) ::close(fd_);
}

bool FileLock::TryLock(const std::string& path) {
  if (fd_ >= 0) return true;
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
  if (fd < 0) return false;
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    ::close(fd);
    return false;
  }
  fd_ = fd;
  return true;
}

long CurrentProcessId() { return static_cast<long>(::getpid()); }

// A zombie has ended: only its entry waits for a parent that may never come.
bool ProcessRuns(long id) {
  if (id <= 0) return false;
  std::ifstream stat("/proc/" + std::to_string(id) + "/stat");
  std::string fields;
  if (!std::getline(stat, fields)) return false;
  const size_t nameEnd = fields.rfind(')');
  return nameEnd != std::string::npos && nameEnd + 2 < fields.size() && fields[nameEnd + 2] != 'Z';
}

}  // namespace platform
