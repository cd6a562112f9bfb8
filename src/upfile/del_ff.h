// Deferred removal of working files and folders: paths are collected while the
// program runs and removed later, folders only once they are empty.
#pragma once

#include <string>
#include <vector>

class DelFF_E {
 public:
  DelFF_E() = default;
  DelFF_E(const DelFF_E&) = delete;
  DelFF_E& operator=(const DelFF_E&) = delete;
  virtual ~DelFF_E();   // removes what the list still holds

  void Add(const std::string& path);
  // Removes, deepest path first, every listed file and every listed folder
  // that is empty by then; what stays (or cannot go) is kept for a later call.
  // Nothing behind a link inside a listed folder is touched.
  void RemoveNow();
  const std::vector<std::string>& Paths() const { return paths_; }

 private:
  std::vector<std::string> paths_;
};

// The program-wide lists: the staged files and folder of the last successful
// upload job, and the work folders to clear when the program ends.
DelFF_E& JobRemovalList();
DelFF_E& ExitRemovalList();
