// Sends files to the server's upload script: one multipart/form-data POST per
// file with a single part "file_img", all over one HttpClient. A file sent
// in plain HTTP without a proxy gets up to three attempts, the next one only
// when no connection could be made for the last; one meant for TLS gets one.
#pragma once

#include <atomic>
#include <cstdint>
#include <string>
#include <vector>

#include "net/transport_outcome.h"
#include "net/upload_observer.h"

namespace net {

// Where and how the files go, as the caller read them from its settings.
struct PostSettings {
  std::string scheme;             // "https" in any case asks for TLS (port 443 does too); anything else plain HTTP
  std::string server;             // a host with an optional port
  std::string script;             // request target of the upload script
  uint32_t sizeLimit = 0;         // bytes; a larger file is refused before any request
  bool relaxCertificate = false;  // a server's own certificate is taken, and its key pinned at the first upload
  bool debugCopies = false;       // every request body is also kept in the dated work folder
  long answerSeconds = 30;        // how long the server may take to answer once the body is sent
  unsigned parallel = 1;          // files sent at once, each over a connection of its own
};

// What stopped PostFiles: the file and why its attempts failed.
struct PostFailure {
  std::string path;    // empty when nothing failed
  std::string reason;  // one text per distinct attempt failure, "; "-separated
  TransportOutcome cause;  // the first attempt's, or Stopped
};

// Missing files and folders are skipped; false (and *failure filled) as soon
// as one file could not be sent or *stop was set (seen between files and
// within a transfer); no file after it is started, the ones under way end.
// With parallel above 1 the first file goes alone (it settles the server's
// certificate), the others up to parallel at once, each file's trace lines
// whole and the bytes counted over all of them. A server
// text that is not a host with an optional port is refused before any
// request. The observer (none: nothing is reported) hears the trace and the
// progress.
bool PostFiles(const std::vector<std::string>& files, const PostSettings& settings, PostFailure* failure = nullptr,
               UploadObserver* observer = nullptr, const std::atomic<bool>* stop = nullptr);

}  // namespace net
