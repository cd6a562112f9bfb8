// One upload job: stage the listed files, have the index page written, send
// everything to the server and schedule the working folders for removal.
#pragma once

#include <string>
#include <vector>

struct UploadJobResult {
  bool ok = false;
  std::string reason;                     // why the job failed; empty on success
  std::vector<std::string> failedFiles;   // files not staged, and the file the transport gave up on
  explicit operator bool() const { return ok; }
};

// An empty pageName takes the default index page name; empty scheme, server
// and script let the settings decide.
UploadJobResult UploadJob(const std::vector<std::string>& files, const std::string& pageName,
                          const std::string& scheme, const std::string& server, const std::string& script);

// Program end: the job list and then the exit list remove what they hold.
void RemoveDeferredAtExit();
