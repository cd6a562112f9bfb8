// The check every listed path passes before anything of a job is copied or
// sent: a readable regular file within the destination's size limit.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "publish/publish_result.h"

namespace publish {

// A listed file as the check saw it; staging compares against it.
struct CheckedFile {
  std::string path;
  int64_t size = 0;
  int64_t modifiedNs = 0;
};

struct JobCheck {
  std::vector<CheckedFile> files;      // in list order, when every path passed
  std::vector<FileFailure> failures;   // one per path that did not, in list order
};

// An empty list fails as "nothing to publish"; a file must be below sizeLimit + 1 bytes.
JobCheck CheckListedFiles(const std::vector<std::string>& paths, uint64_t sizeLimit);

}  // namespace publish
