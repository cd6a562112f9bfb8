// Deferred removal of working files and folders: paths are collected while the
// program runs and removed later, folders only once they are empty.
#pragma once

#include <string>
#include <vector>

namespace publish {

class RemovalList {
 public:
  RemovalList() = default;
  RemovalList(const RemovalList&) = delete;
  RemovalList& operator=(const RemovalList&) = delete;
  ~RemovalList();   // removes what the list still holds

  void Add(const std::string& path);
  // Removes, deepest path first, every listed file and every listed folder
  // that is empty by then; what stays (or cannot go) is kept for a later call.
  // Nothing behind a link inside a listed folder is touched.
  void RemoveNow();

 private:
  std::vector<std::string> paths_;
};

// What the jobs of one program run leave for later: the staged copies of the
// last job that went out, and the work folders to clear at the end.
class DeferredRemoval {
 public:
  // The previous job's copies go now; these wait for the next job or the end.
  void ReplaceJobFiles(const std::vector<std::string>& entries, const std::string& stagingFolder);
  void AddAtEnd(const std::string& path);
  // The job's copies first, so that the work folders are found empty.
  void RemoveNow();

 private:
  RemovalList atEnd_;   // destroyed after jobFiles_, for the same reason
  RemovalList jobFiles_;
};

}  // namespace publish
