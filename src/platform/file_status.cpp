#include <sys/stat.h>

#include <cerrno>

#include "platform/file_services.h"

namespace {

constexpr unsigned kTypeMask = 0xF000;
constexpr unsigned kFolderType = 0x4000;
constexpr unsigned kRegularFileType = 0x8000;

}  // namespace

F_Stat::F_Stat(const std::string& path) {
  struct stat status {};
  if (::stat(path.c_str(), &status) != 0) {
    error_ = errno;
    return;
  }
  size_ = status.st_size;
  modified_ = status.st_mtime;
  mode_ = status.st_mode;
}

F_Stat::~F_Stat() = default;

bool F_Stat::IsFolder() const { return error_ == 0 && (mode_ & kTypeMask) == kFolderType; }
bool F_Stat::IsRegularFile() const { return error_ == 0 && (mode_ & kTypeMask) == kRegularFileType; }
int64_t F_Stat::Size() const { return size_; }
int F_Stat::Error() const { return error_; }
int64_t F_Stat::ModifiedTime() const { return modified_; }
unsigned F_Stat::Mode() const { return mode_; }
bool F_Stat::IsReadOnly() const { return error_ == 0 && (mode_ & S_IWUSR) == 0; }

bool FileExists(const std::string& path, bool emptyIsMissing) {
  const F_Stat status(path);
  if (status.Error() != 0) return false;
  return status.Size() > 0 || status.IsFolder() || !emptyIsMissing;
}

bool FolderExists(const std::string& path) { return F_Stat(path).IsFolder(); }
