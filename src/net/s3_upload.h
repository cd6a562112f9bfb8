// Puts files into S3 storage, several at once over reused connections; files
// above 64 MiB go up in parts. Everything is checked before the first byte
// leaves; the caller sends the page in a call of its own once the files arrived.
#pragma once

#include <atomic>
#include <cstdint>
#include <string>
#include <vector>

#include "net/s3_address.h"
#include "net/s3_config.h"
#include "net/upload_observer.h"

namespace net {

struct S3Object {
  std::string name;         // key = prefix + "/" + name
  std::string path;         // local file, streamed
  std::string contentType;  // "" = from the name's extension
};

struct S3PutOptions {
  std::string acl = "public-read";  // "" sends no x-amz-acl
  unsigned parallel = 4;
  uint64_t maxFileSize = uint64_t{5} << 30;
};

struct S3Failure {
  std::string name;     // the object that failed
  std::string code;     // S3's error code ("AccessDenied", "NoSuchBucket", ...), when it answered one
  std::string message;  // S3's message for it
  long status = 0;      // HTTP status, 0 when none came
  std::string detail;   // the transport's or the check's own words
};

// False at the first failure: no new request starts, running ones end, and an
// unfinished multipart upload is aborted. The observer hears
// OnFileStarted(index, count, path) and OnBytesSent(done, total) over all files.
bool PutObjects(const S3Config& config, const S3Location& location, const std::vector<S3Object>& objects,
                const S3PutOptions& options, S3Failure* failure, UploadObserver* observer,
                const std::atomic<bool>* stop);

}  // namespace net
