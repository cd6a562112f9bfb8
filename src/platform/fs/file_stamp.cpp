#include "platform/fs/file_stamp.h"

#include <sys/stat.h>
#include <time.h>

namespace platform {

namespace {

constexpr int64_t kNsPerSecond = 1000000000;
// Larger than the coarsest time step of the file systems in use (FAT: 2 s).
constexpr int64_t kSettleNs = 3 * kNsPerSecond;

int64_t ToNs(const timespec& time) { return static_cast<int64_t>(time.tv_sec) * kNsPerSecond + time.tv_nsec; }

}  // namespace

FileStamp GetFileStamp(const std::string& path) {
  struct stat status {};
  FileStamp stamp;
  if (path.empty() || ::stat(path.c_str(), &status) != 0) return stamp;
  stamp.exists = true;
  stamp.size = static_cast<int64_t>(status.st_size);
  stamp.modifiedNs = ToNs(status.st_mtim);
  stamp.changedNs = ToNs(status.st_ctim);
  stamp.fileId = static_cast<uint64_t>(status.st_ino);
  return stamp;
}

bool IsSettledStamp(const FileStamp& stamp) {
  timespec now {};
  ::clock_gettime(CLOCK_REALTIME, &now);
  return stamp.modifiedNs < ToNs(now) - kSettleNs;
}

}  // namespace platform
