// The publishing core: the one call both front ends make to publish files.
// It stages the listed files with an index page, sends everything to the
// configured server and reports through an observer; it never writes to the
// standard streams or shows a window, and it may run on a thread of its own.
#pragma once

#include <atomic>
#include <string>
#include <vector>

#include "net/trace.h"
#include "publish/cause_text.h"
#include "publish/destination.h"
#include "publish/progress.h"
#include "publish/publish_result.h"
#include "publish/upload_settings.h"

namespace publish {

using net::TraceStream;

// One job as a value: what to publish, read how, and where to.
struct Job {
  std::vector<std::string> files;   // full paths, as listed
  UploadSettings settings;
  std::string destination;          // empty: the upload script; "s3://BUCKET/PREFIX": object storage
};

// The job the settings file describes for these files; a destination text
// that is not empty stands in for the setting "upload_to".
Job ReadJob(std::vector<std::string> files, const std::string& destination = "");

// Called on the thread that runs Publish; every hook does nothing by default.
class PublishObserver {
 public:
  virtual ~PublishObserver() = default;
  // The transport's trace, fragment by fragment, as the command line prints it.
  virtual void OnTrace(const std::string& /*text*/, TraceStream /*stream*/) {}
  // Where the job stands: when it waits, stages, starts a file and as bytes go out.
  virtual void OnProgress(const Progress& /*progress*/) {}
};

// Checks the whole job first (every listed path a readable regular file
// within the destination's limit, the destination usable): on any failure
// nothing is staged or sent and every failure is listed. Then stages the
// files (sorted, without duplicates) with the index page of the default
// name, sends every file and, only when all arrived, the page. Jobs of one
// user run one at a time. A stop request is honoured between files and
// within a transfer; a stopped job sends no page and removes its staged copies.
PublishResult Publish(const Job& job, PublishObserver& observer, const std::atomic<bool>& stop);
// The same job sent to the given destination instead of the one job.destination names.
PublishResult Publish(const Job& job, Destination& destination, PublishObserver& observer,
                      const std::atomic<bool>& stop);

// Start-up: makes the family's profile folder with its registry hints and
// writes the server defaults where the settings lack them; returns
// the browser address of the page folder.
std::string PrepareSettings();

// The page the FOLDER's files make, written there as pageName; empty when it
// was written, else why not.
std::string WritePage(const std::string& folder, const std::string& pageName);

// Program end: removes what the jobs left for later (staged copies, empty
// work folders). main() calls it once.
void RemoveDeferredAtExit();

}  // namespace publish
