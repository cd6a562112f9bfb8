#include "publish/file_lookup.h"

#include <sys/stat.h>

#include "platform/fs/file_operations.h"
#include "platform/fs/file_status.h"
#include "platform/fs/folder_walk.h"
#include "suite/folders.h"

namespace publish {
namespace {

// The entry's name within the folder that GetFolderPart gives.
std::string NameIn(const std::string& folder, const std::string& path) {
  return folder.empty() ? path : path.substr(folder.size() + 1);
}

}  // namespace

bool FileLookup::Exists(const std::string& path) {
  const std::string folder = platform::GetFolderPart(path);
  return NamesIn(folder).count(NameIn(folder, path)) != 0;
}

bool FileLookup::IsRegularFile(const std::string& path) {
  return StatusOf(path).regular;
}

int64_t FileLookup::ModifiedTime(const std::string& path) {
  return StatusOf(path).modified;
}

void FileLookup::Remove(const std::string& path) {
  platform::RemoveFile(path);
  const std::string folder = platform::GetFolderPart(path);
  NamesIn(folder).erase(NameIn(folder, path));
  statuses_.erase(path);
}

void FileLookup::CreateFolderOnce(const std::string& folder) {
  if (created_.insert(folder).second)
    platform::CreateFolder(folder);
}

const FileLookup::Status& FileLookup::StatusOf(const std::string& path) {
  auto found = statuses_.find(path);
  if (found != statuses_.end())
    return found->second;
  const platform::FileStatus stat(path);
  Status status;
  if (stat.Error() == 0) {
    status.regular = S_ISREG(stat.Mode());
    status.modified = stat.ModifiedTime();
  }
  return statuses_.emplace(path, status).first->second;
}

FileLookup::Names& FileLookup::NamesIn(const std::string& folder) {
  auto found = folders_.find(folder);
  if (found != folders_.end())
    return found->second;
  Names names;
  // The listing falls back to the parent of a missing folder: test first.
  if (!folder.empty() && platform::FolderExists(folder)) {
    const std::string prefix = platform::AddSeparator(folder);
    for (const auto& entry : platform::ListFolder(folder)) {
      if (entry.starts_with(prefix)) names.insert(platform::RemoveSeparator(entry.substr(prefix.size())));
    }
  }
  return folders_.emplace(folder, std::move(names)).first->second;
}

}  // namespace publish
