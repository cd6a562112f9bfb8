// One libcurl handle that sends the upload requests of one post_files call:
// the handle keeps its connection (and TLS session) open between requests.
#pragma once

#include <atomic>
#include <string>

#include "platform/file_io.h"
#include "upfile/upload_observer.h"
#include "upfile/upload_target.h"

struct UploadRequest {
  UploadTarget target;
  std::string script;       // request target, sent unchanged
  std::string contentType;  // the one header line this request sets
  const platform::Bytes* body = nullptr;
  bool relaxCertificate = false;
  std::string agent;
  bool credentials = false;  // a user name and password for the host may come from ~/.netrc
  UploadObserver* observer = nullptr;       // hears the bytes sent
  const std::atomic<bool>* stop = nullptr;  // set: the transfer is aborted
};

struct UploadAnswer {
  long status = 0;         // HTTP status of the answer, 0 when none came
  std::string error;       // transport error text; empty when an answer came
  bool connected = false;  // a connection (with TLS when secure) was made for the request
};

class UploadSession {
 public:
  UploadSession();
  ~UploadSession();
  UploadSession(const UploadSession&) = delete;
  UploadSession& operator=(const UploadSession&) = delete;

  UploadAnswer Send(const UploadRequest& request);

 private:
  void* curl_;
};
