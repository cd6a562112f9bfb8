// Small file-system services with fixed retry rules: existence tests, folder
// chains, whole-file reading and writing, folder listings and backup copies.
// Failures are reported by false or empty results and a debug-log line.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

using Bytes = std::vector<unsigned char>;

// Status of one path, taken at construction; zero-filled with Error() set
// to the errno value when the path cannot be examined.
class F_Stat {
 public:
  explicit F_Stat(const std::string& path);
  virtual ~F_Stat();
  bool IsFolder() const;
  bool IsRegularFile() const;
  int64_t Size() const;
  int Error() const;
  int64_t ModifiedTime() const;
  unsigned Mode() const;
  // No write permission for the owner: the stand-in of the read-only attribute.
  bool IsReadOnly() const;

 private:
  int64_t size_ = 0;
  int64_t modified_ = 0;
  unsigned mode_ = 0;
  int error_ = 0;
};

// An empty file counts as missing when emptyIsMissing is set; a folder never does.
bool FileExists(const std::string& path, bool emptyIsMissing = false);
bool FolderExists(const std::string& path);

// Creates every missing level; true when the folder exists afterwards.
bool CreateFolder(const std::string& path);

// Tries every 100 ms, max(seconds * 10, 1) times in all.
FILE* OpenFileWait(const std::string& path, const char* mode, int seconds);

// Exactly the bytes the file holds; empty when it cannot be read.
Bytes ReadFileBytes(const std::string& path);

// False when the file cannot be opened, written or closed.
bool WriteFileBytes(const std::string& path, const Bytes& bytes);

// Entries as full paths, in the order the system gives them; folders end with '/'.
// When path is not a folder its folder part is listed.
std::vector<std::string> ListFolder(const std::string& path, bool skipDots = true);

// The paths whose file name matches the pattern ('*' = any run), ignoring case.
std::vector<std::string> FilterFiles(const std::vector<std::string>& paths, const std::string& pattern);
bool MatchesPattern(const std::string& name, const std::string& pattern);

// True for the link itself, wherever it points; a trailing '/' would look through it.
bool IsSymbolicLink(const std::string& path);

// Appends every folder below root, breadth-first (parents before children),
// without entering links to folders.
void EnumerateFolders(std::vector<std::string>& list, const std::string& root);

// <temp>/Rescue/<folder of path, one level per drive and folder>, no trailing '/'.
std::string GetRescueFolder(const std::string& path, bool create);

// Copies the file into its rescue folder (numbered: name.000.ext to name.999.ext,
// the first free one); the copy's path, or empty when nothing was copied.
std::string BackupFile(const std::string& path, bool numbered);

// Copy with overwrite. The target gets the whole copy or stays as it was; a
// target that is not a regular file (a device, a folder) is never replaced.
bool CopyFileOver(const std::string& from, const std::string& to);
bool RenameFile(const std::string& from, const std::string& to);
bool RemoveFile(const std::string& path);
// Removes empty folders only.
bool RemoveFolder(const std::string& path);
