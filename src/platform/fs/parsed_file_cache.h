// Parsed copies of small files the tool reads for itself, served again while
// the file's stamp is unchanged and settled, so that reading one key per page
// cell stays cheap. The one such cache: every reader of settings keeps its
// parsed form in one of these.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <string>

#include "platform/fs/file_stamp.h"

namespace platform {

template <class Parsed>
class ParsedFileCache {
 public:
  using Parse = std::function<std::shared_ptr<const Parsed>(const std::string& path)>;

  // The copy of the file at path, parsed afresh (parse, under the cache's
  // lock) when it may have changed; nullptr when the file is missing or parse
  // gives nullptr.
  std::shared_ptr<const Parsed> Get(const std::string& path, const Parse& parse) {
    const FileStamp stamp = GetFileStamp(path);
    if (!stamp.exists) return nullptr;
    std::lock_guard lock(mutex_);
    Entry& entry = entries_[path];
    if (entry.parsed && entry.settled && entry.stamp == stamp) return entry.parsed;
    // Judged on the stamp taken before reading: a write during the read shows as a new stamp.
    entry = {stamp, IsSettledStamp(stamp), parse(path)};
    std::shared_ptr<const Parsed> parsed = entry.parsed;
    if (!parsed) entries_.erase(path);
    return parsed;
  }

  // A read-modify-write of the file: runs under the cache's lock, so no
  // reader parses it halfway, after the copy is forgotten.
  template <class Change>
  auto Rewrite(const std::string& path, const Change& change) {
    std::lock_guard lock(mutex_);
    entries_.erase(path);
    return change();
  }

 private:
  struct Entry {
    FileStamp stamp;
    bool settled = false;
    std::shared_ptr<const Parsed> parsed;
  };

  std::mutex mutex_;
  std::map<std::string, Entry> entries_;
};

}  // namespace platform
