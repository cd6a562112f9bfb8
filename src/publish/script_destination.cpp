#include "publish/script_destination.h"

#include "net/post_files.h"

namespace publish {

// The form carries no more than 4 GiB - 1 bytes.
uint64_t ScriptDestination::SizeLimit() const {
  constexpr uint64_t kLargestForm = (uint64_t{1} << 32) - 1;
  return std::min<uint64_t>(settings_.sizeLimit, kLargestForm);
}

bool ScriptDestination::Send(const std::vector<Upload>& files, net::UploadObserver& observer,
                             const std::atomic<bool>& stop, FileFailure* failure) {
  std::vector<std::string> paths;
  for (const Upload& file : files) paths.push_back(file.path);
  net::PostSettings post{settings_.scheme,    settings_.server,           settings_.scriptPath,
                         settings_.sizeLimit, settings_.relaxCertificate, settings_.debugCopies};
  post.parallel = settings_.parallelUploads;
  net::PostFailure postFailure;
  if (net::PostFiles(paths, post, &postFailure, &observer, &stop)) return true;
  std::string listed = postFailure.path;
  for (const Upload& file : files) {
    if (file.path == postFailure.path) listed = file.listedPath;
  }
  *failure = {listed, CauseOf(postFailure.cause), postFailure.reason};
  return false;
}

std::string ScriptDestination::PageAddress(const std::string& pageName) const {
  return BrowserAddress(settings_) + pageName;
}

}  // namespace publish
