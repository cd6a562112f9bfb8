// Sends files to the server's upload script: one multipart/form-data POST per
// file with a single part "file_img". A file gets up to three attempts, the
// next one only when no connection could be made for the last.
#pragma once

#include <atomic>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/file_io.h"
#include "upfile/file_failure.h"
#include "upfile/upload_observer.h"

// What stopped post_files: the file and why its attempts failed.
struct PostFailure {
  std::string path;    // empty when nothing failed
  std::string reason;  // one text per distinct attempt failure, "; "-separated
  FailureCause cause;  // the first attempt's, or kStopped
};

// Where and how the files go, as the caller read them from its settings.
struct PostSettings {
  std::string scheme;             // "https" asks for TLS (port 443 does too); anything else plain HTTP
  std::string server;             // a host with an optional port
  std::string script;             // request target of the upload script
  uint32_t sizeLimit = 0;         // bytes; a larger file is refused before any request
  bool relaxCertificate = false;  // a certificate that does not verify is taken
  bool debugCopies = false;       // every request body is also kept in the dated work folder
};

// Missing files and folders are skipped; false (and *failure filled) as soon
// as one file could not be sent or *stop was set (seen between files and
// within a transfer); the files after it are then not attempted. A server
// text that is not a host with an optional port is refused before any
// request. The observer (none: nothing is reported) hears the trace and the
// progress.
bool post_files(const std::vector<std::string>& files, const PostSettings& settings, PostFailure* failure = nullptr,
                UploadObserver* observer = nullptr, const std::atomic<bool>* stop = nullptr);

// One attempt for one file; true when the server took it (status below 400).
bool post_file(const PostSettings& settings, const std::string& path, UploadObserver* observer = nullptr);

// The request body for one file; empty when the file cannot be read whole.
// Writes the debug copy when debugCopies is on.
platform::Bytes make_form_data(const std::string& path, const std::string& boundary, bool debugCopies = false);

// "-----upfile.hxx__" + the local time "%H%M%S".
std::string MakeBoundary();

// The filename parameter as browsers write it: '"' %22, CR %0D, LF %0A.
std::string EscapeFormFileName(const std::string& name);
