// The file-system view of one page build. A page lists thousands of files and
// asks several questions about each one and its thumbnail; nothing but this
// build changes those folders meanwhile, so every folder is listed once and
// every path's status read once, and removals made here keep the view true.
#pragma once

#include <cstdint>
#include <string>
#include <unordered_map>
#include <unordered_set>

namespace publish {

class FileLookup {
 public:
  // An entry (file or folder) of that name exists.
  bool Exists(const std::string& path);
  bool IsRegularFile(const std::string& path);
  // Whole seconds; 0 when the path has no status.
  int64_t ModifiedTime(const std::string& path);

  void Remove(const std::string& path);
  // Creates the folder with its parents, once per build.
  void CreateFolderOnce(const std::string& folder);

 private:
  struct Status {
    bool regular = false;
    int64_t modified = 0;
  };
  using Names = std::unordered_set<std::string>;

  const Status& StatusOf(const std::string& path);
  Names& NamesIn(const std::string& folder);

  std::unordered_map<std::string, Status> statuses_;
  std::unordered_map<std::string, Names> folders_;
  std::unordered_set<std::string> created_;
};

}  // namespace publish
