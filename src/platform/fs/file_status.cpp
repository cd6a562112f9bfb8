#include "platform/fs/file_status.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>

#include "platform/text/path_text.h"

namespace platform {
namespace {

constexpr unsigned kTypeMask = 0xF000;
constexpr unsigned kFolderType = 0x4000;
constexpr unsigned kRegularFileType = 0x8000;

}  // namespace

FileStatus::FileStatus(const std::string& path) {
  struct stat status {};
  if (::stat(path.c_str(), &status) != 0) {
    error_ = errno;
    return;
  }
  size_ = status.st_size;
  modified_ = status.st_mtime;
  modifiedNs_ = int64_t{status.st_mtim.tv_sec} * 1000000000 + status.st_mtim.tv_nsec;
  mode_ = status.st_mode;
}

bool FileStatus::IsFolder() const { return error_ == 0 && (mode_ & kTypeMask) == kFolderType; }
bool FileStatus::IsRegularFile() const { return error_ == 0 && (mode_ & kTypeMask) == kRegularFileType; }
int64_t FileStatus::Size() const { return size_; }
int FileStatus::Error() const { return error_; }
int64_t FileStatus::ModifiedTime() const { return modified_; }
int64_t FileStatus::ModifiedNanoseconds() const { return modifiedNs_; }
unsigned FileStatus::Mode() const { return mode_; }
bool FileStatus::IsReadOnly() const { return error_ == 0 && (mode_ & S_IWUSR) == 0; }

bool FileExists(const std::string& path, bool emptyIsMissing) {
  const FileStatus status(path);
  if (status.Error() != 0) return false;
  return status.Size() > 0 || status.IsFolder() || !emptyIsMissing;
}

bool FolderExists(const std::string& path) { return FileStatus(path).IsFolder(); }

int ReadAccessError(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
  if (fd < 0) return errno;
  ::close(fd);
  return 0;
}

bool IsSymbolicLink(const std::string& path) {
  struct stat status {};
  return ::lstat(path.c_str(), &status) == 0 && S_ISLNK(status.st_mode);
}

std::string AbsolutePath(const std::string& path) {
  const std::filesystem::path full = std::filesystem::absolute(std::u8string(path.begin(), path.end()));
  const std::u8string text = full.lexically_normal().u8string();
  return RemoveSeparator(std::string(text.begin(), text.end()));
}

}  // namespace platform
