// One upload job: stage the listed files, have the index page written, send
// everything to the server and schedule the working folders for removal.
#pragma once

#include <atomic>
#include <string>
#include <vector>

#include "upfile/file_failure.h"
#include "upfile/upload_observer.h"

struct UploadJobResult {
  bool ok = false;
  bool stopped = false;                // the observer's stop request ended the job
  std::vector<FileFailure> failures;   // files not staged, the page not written, the file the transport gave up on
  explicit operator bool() const { return ok; }
};

// An empty pageName takes the default index page name; the settings decide
// where everything goes. The observer hears the transport with listed paths;
// stop ends the job between files or within one. A stopped job's staged
// copies go with the deferred removal, a failed job's stay.
UploadJobResult UploadJob(const std::vector<std::string>& files, const std::string& pageName,
                          UploadObserver& observer, const std::atomic<bool>& stop);
