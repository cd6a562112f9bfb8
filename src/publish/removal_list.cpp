#include "publish/removal_list.h"

#include <algorithm>
#include <map>
#include <set>

#include "platform/fs/file_operations.h"
#include "platform/fs/file_status.h"
#include "platform/text/utf.h"
#include "suite/folders.h"

namespace publish {
namespace {

// Descending UTF-16 order puts a folder's contents before the folder itself.
std::vector<std::string> SortedDescendingUnique(std::vector<std::string> paths) {
  std::sort(paths.begin(), paths.end(),
            [](const std::string& a, const std::string& b) { return platform::LessByUtf16(b, a); });
  paths.erase(std::unique(paths.begin(), paths.end()), paths.end());
  return paths;
}

// True when the path is gone afterwards (or was never there).
bool RemoveEntry(const std::string& entry) {
  const std::string path = platform::RemoveSeparator(entry);
  const platform::FileStatus status(path);
  if (status.Error() != 0) return true;
  if (status.IsFolder()) return platform::RemoveFolder(path);
  return platform::RemoveFile(path);
}

// A link met on the way down from the outermost listed folder leads out of the
// tool's folders: nothing behind it is removed. Each folder is looked at once
// per removal, not once per file in it.
bool ReachedThroughLink(const std::string& path, const std::set<std::string>& listedFolders,
                        std::map<std::string, bool>& isLink) {
  bool inside = false;
  for (size_t slash = path.find('/', 1); slash != std::string::npos; slash = path.find('/', slash + 1)) {
    const std::string folder = path.substr(0, slash);
    inside = inside || listedFolders.count(folder) > 0;
    if (!inside) continue;
    const auto [known, isNew] = isLink.try_emplace(folder, false);
    if (isNew) known->second = platform::IsSymbolicLink(folder);
    if (known->second) return true;
  }
  return false;
}

}  // namespace

RemovalList::~RemovalList() { RemoveNow(); }

void RemovalList::Add(const std::string& path) { paths_.push_back(path); }

void RemovalList::RemoveNow() {
  std::set<std::string> listed;
  for (const std::string& entry : paths_) listed.insert(platform::RemoveSeparator(entry));
  std::map<std::string, bool> isLink;
  std::vector<std::string> kept;
  for (const std::string& entry : SortedDescendingUnique(paths_)) {
    if (ReachedThroughLink(platform::RemoveSeparator(entry), listed, isLink) || !RemoveEntry(entry))
      kept.push_back(entry);
  }
  paths_ = std::move(kept);
}

void DeferredRemoval::ReplaceJobFiles(const std::vector<std::string>& entries, const std::string& stagingFolder) {
  jobFiles_.RemoveNow();
  for (const std::string& entry : entries) jobFiles_.Add(entry);
  jobFiles_.Add(stagingFolder);
}

void DeferredRemoval::AddAtEnd(const std::string& path) { atEnd_.Add(path); }

void DeferredRemoval::RemoveNow() {
  jobFiles_.RemoveNow();
  atEnd_.RemoveNow();
}

}  // namespace publish
