// What the file system says about one path: status, existence, links, its full form.
#pragma once

#include <cstdint>
#include <string>

namespace platform {

// Status of one path, taken at construction; zero-filled with Error() set
// to the errno value when the path cannot be examined.
class FileStatus {
 public:
  explicit FileStatus(const std::string& path);
  bool IsFolder() const;
  bool IsRegularFile() const;
  int64_t Size() const;
  int Error() const;
  int64_t ModifiedTime() const;
  // Nanoseconds since the epoch: tells a rewrite within the same second.
  int64_t ModifiedNanoseconds() const;
  unsigned Mode() const;
  // No write permission for the owner: the stand-in of the read-only attribute.
  bool IsReadOnly() const;

 private:
  int64_t size_ = 0;
  int64_t modified_ = 0;
  int64_t modifiedNs_ = 0;
  unsigned mode_ = 0;
  int error_ = 0;
};

// An empty file counts as missing when emptyIsMissing is set; a folder never does.
bool FileExists(const std::string& path, bool emptyIsMissing = false);
bool FolderExists(const std::string& path);

// 0 when the file can be opened for reading now, else the error number. A
// FIFO or device is opened without waiting for a writer.
int ReadAccessError(const std::string& path);

// True for the link itself, wherever it points; a trailing '/' would look through it.
bool IsSymbolicLink(const std::string& path);

// The path made absolute against the current directory and normalised, byte
// for byte as given otherwise: no locale conversion touches a name.
std::string AbsolutePath(const std::string& path);

}  // namespace platform
