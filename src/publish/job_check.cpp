#include "publish/job_check.h"

#include <cstring>
#include <optional>

#include "platform/fs/file_status.h"

namespace publish {
namespace {

using Kind = FailureCause::Kind;

// Nothing when the file may be published.
std::optional<FileFailure> FailureOf(const std::string& path, const platform::FileStatus& status, uint64_t limit) {
  if (status.Error() != 0) return FileFailure{path, {Kind::FileMissing}, std::strerror(status.Error())};
  if (status.IsFolder()) return FileFailure{path, {Kind::FolderListed}, ""};
  if (!status.IsRegularFile()) return FileFailure{path, {Kind::NotRegularFile}, "a FIFO, device or socket"};
  if (static_cast<uint64_t>(status.Size()) > limit) {
    return FileFailure{path,
                       {Kind::TooLarge, static_cast<int64_t>(limit)},
                       "file of " + std::to_string(status.Size()) + " bytes is above the upload size limit of " +
                           std::to_string(limit)};
  }
  if (const int error = platform::ReadAccessError(path); error != 0)
    return FileFailure{path, {Kind::Unreadable}, std::strerror(error)};
  return std::nullopt;
}

}  // namespace

JobCheck CheckListedFiles(const std::vector<std::string>& paths, uint64_t sizeLimit) {
  JobCheck check;
  if (paths.empty()) check.failures.push_back({"", {Kind::NothingToPublish}, ""});
  for (const std::string& path : paths) {
    const platform::FileStatus status(path);
    if (std::optional<FileFailure> failure = FailureOf(path, status, sizeLimit)) check.failures.push_back(*failure);
    else check.files.push_back({path, status.Size(), status.ModifiedNanoseconds()});
  }
  if (!check.failures.empty()) check.files.clear();
  return check;
}

}  // namespace publish
