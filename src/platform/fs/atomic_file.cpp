#include "platform/fs/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <climits>

#include "platform/fs/debug_log.h"
#include "platform/fs/file_io.h"
#include "platform/fs/file_status.h"

namespace platform {

namespace {

constexpr int kMaxLinks = 40;  // as many as the kernel follows

// The path a chain of symbolic links leads to, which need not exist yet; empty for a loop.
std::string FollowLinks(std::string path) {
  for (int hop = 0; hop < kMaxLinks; ++hop) {
    char target[PATH_MAX];
    const ssize_t size = ::readlink(path.c_str(), target, sizeof target);
    if (size < 0) return path;
    const std::string next(target, static_cast<size_t>(size));
    path = next.starts_with('/') ? next : path.substr(0, path.rfind('/') + 1) + next;
  }
  return "";
}

std::string TemporaryName(const std::string& target) {
  // With the process id: no two writers of one target share a temporary name.
  static std::atomic<unsigned> counter{0};
  return target + ".~" + std::to_string(::getpid()) + "_" + std::to_string(counter++);
}

bool WriteAll(int fd, const Bytes& bytes) {
  size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t written = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    done += static_cast<size_t>(written);
  }
  return true;
}

}  // namespace

bool ReplaceFileAtomically(const std::string& path, const Bytes& bytes) {
  const std::string target = FollowLinks(path);
  // Judged by the mode bits: root may write to any file.
  if (target.empty() || FileStatus(target).IsReadOnly()) {
    DbgLog("Can't open wb  " + path);
    return false;
  }
  const std::string temporary = TemporaryName(target);
  const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
  if (fd < 0) {
    DbgLog("Can't open wb  " + temporary);
    return false;
  }
  bool ok = WriteAll(fd, bytes);
  struct stat old {};
  if (ok && ::stat(target.c_str(), &old) == 0) ok = ::fchmod(fd, old.st_mode & 07777) == 0;
  ok = (::close(fd) == 0) && ok;
  ok = ok && ::rename(temporary.c_str(), target.c_str()) == 0;
  if (!ok) ::unlink(temporary.c_str());
  return ok;
}

}  // namespace platform
