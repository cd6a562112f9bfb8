// Changes to the file system: folder chains, copies, renames and removals;
// each returns false when the system refuses.
#pragma once

#include <string>

namespace platform {

// Creates every missing level; true when the folder exists afterwards.
bool CreateFolder(const std::string& path);

// Copy with overwrite. The target gets the whole copy or stays as it was; a
// target that is not a regular file (a device, a folder) is never replaced.
bool CopyFileOver(const std::string& from, const std::string& to);
bool RenameFile(const std::string& from, const std::string& to);
bool RemoveFile(const std::string& path);
// Removes empty folders only.
bool RemoveFolder(const std::string& path);

}  // namespace platform
