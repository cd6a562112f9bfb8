// What one job did: whether the page went out, and every file that stopped it.
#pragma once

#include <string>
#include <vector>

#include "publish/failure_cause.h"

namespace publish {

// A file that did not reach the server: the cause a person can act on, and
// the technical detail behind it.
struct FileFailure {
  // As the person listed it; the staged path for the generated page; empty
  // when the job failed as a whole.
  std::string listedPath;
  FailureCause cause;
  std::string detail;  // addresses and the transport's or the system's own texts; may be empty
};

struct PublishResult {
  bool ok = false;                    // every file and then the page arrived
  bool stopped = false;               // the stop request ended the job
  std::string pageAddress;            // where the page is seen once published
  std::vector<FileFailure> failures;  // every failure of the checks, or the one that ended the sending
};

}  // namespace publish
