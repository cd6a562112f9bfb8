#include "platform/fs/file_operations.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>

#include "platform/fs/debug_log.h"
#include "platform/fs/file_status.h"
#include "platform/text/path_text.h"

namespace platform {
namespace {

// Prefixes that are never created: the root and a drive.
bool SkipPrefix(const std::string& prefix) { return prefix.empty() || prefix == "/" || prefix.back() == ':'; }

}  // namespace

bool CreateFolder(const std::string& path) {
  if (FolderExists(path)) return true;
  std::string prefix;
  size_t level = 0;
  for (const std::string& component : SplitAtAny(RemoveSeparator(NormalizePath(path)), "/")) {
    if (level++ > 0) prefix += '/';
    prefix += component;
    if (SkipPrefix(prefix) || FolderExists(prefix)) continue;
    if (::mkdir(prefix.c_str(), 0777) != 0 && !FolderExists(prefix)) {
      DbgLog("Can't create " + prefix);
      return false;
    }
  }
  return true;
}

// Copies into a short temporary name beside the target (so that a target
// name of full length still works) and renames the whole copy over it: a
// copy cut short (a full disk) never stands under the target's name.
bool CopyFileOver(const std::string& from, const std::string& to) {
  const FileStatus target(to);
  if (target.Error() == 0 && !target.IsRegularFile()) return false;
  const std::string partial = to.substr(0, to.rfind('/') + 1) + ".~" + std::to_string(::getpid());
  std::error_code error;
  if (std::filesystem::copy_file(from, partial, std::filesystem::copy_options::overwrite_existing, error) &&
      RenameFile(partial, to)) {
    return true;
  }
  RemoveFile(partial);
  return false;
}

bool RenameFile(const std::string& from, const std::string& to) { return std::rename(from.c_str(), to.c_str()) == 0; }

bool RemoveFile(const std::string& path) { return ::unlink(path.c_str()) == 0; }

bool RemoveFolder(const std::string& path) { return ::rmdir(path.c_str()) == 0; }

}  // namespace platform
