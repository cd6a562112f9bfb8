// The publishing core: the one call both front ends make to publish files.
// It stages the listed files with an index page, sends everything to the
// configured server and reports through an observer; it never writes to the
// standard streams or shows a window, and it may run on a thread of its own.
#pragma once

#include <atomic>
#include <string>
#include <vector>

#include "net/failure_cause.h"
#include "net/upload_observer.h"
#include "publish/cause_text.h"

namespace publish {

using net::FailureCause;
using net::TraceStream;

// A file that did not reach the server: the cause a person can act on, and
// the technical detail behind it.
struct FileFailure {
  // As the person listed it; the staged path for the generated page; empty
  // when the job failed as a whole.
  std::string listedPath;
  FailureCause cause;
  std::string detail;  // addresses and the transport's or the system's own texts
};

struct PublishResult {
  bool ok = false;                         // every existing listed file and the page went out
  bool stopped = false;                    // the stop request ended the job
  std::string pageAddress;                 // where the page is seen, whether or not the job succeeded
  std::vector<FileFailure> failures;       // in the order they happened
  std::vector<std::string> missingFiles;   // listed paths that were not there
};

// Called on the thread that runs Publish; every hook does nothing by default.
// From net::UploadObserver: OnTrace (the transport's trace, fragment by fragment,
// as the command line prints it), OnFileStarted (index, count and the path as
// listed; the staged path for the generated page) and OnBytesSent.
class PublishObserver : public net::UploadObserver {
 public:
  // A long step's progress as the window title shows it ("post_files ...  12
  // *****...."); empty when the step ends.
  virtual void OnProgressText(const std::string& /*text*/) {}
};

// Writes the server defaults where the settings lack them, stages the files
// (sorted, without duplicates) with the index page of the default name, sends
// everything and computes the page address. A stop request is honoured
// between files and within a file's transfer; the staged copies of a stopped
// job go with the deferred removal.
PublishResult Publish(const std::vector<std::string>& files, PublishObserver& observer,
                      const std::atomic<bool>& stop);

// Start-up: writes the server defaults where the settings lack them; returns
// the browser address of the page folder.
std::string PrepareSettings();

// The page the FOLDER's files make, written there as pageName; false when it
// could not be written.
bool WritePage(const std::string& folder, const std::string& pageName);

// Program end: removes what the jobs left for later (staged copies, empty
// work folders). main() calls it once.
void RemoveDeferredAtExit();

}  // namespace publish
