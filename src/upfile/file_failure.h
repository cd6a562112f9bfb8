// Why a file of an upload job did not reach the server: a cause a person can
// act on, and the technical detail behind it.
#pragma once

#include <cstdint>
#include <string>

struct FailureCause {
  enum class Kind {
    kServerStatus,       // the server answered with a failing status
    kServerUnreachable,  // no answer came
    kTooLarge,           // above the upload size limit
    kDiskFull,           // no room for the staged copy or the page
    kFileError,          // the file could not be read, copied or written
    kStopped,            // a stop request ended the job first
  };
  Kind kind = Kind::kFileError;
  int64_t number = 0;  // the HTTP status (kServerStatus) or the size limit in bytes (kTooLarge)
};

struct FileFailure {
  // As the person listed it; the staged path for the generated page; empty
  // when the job failed as a whole.
  std::string listedPath;
  FailureCause cause;
  std::string detail;  // addresses and the transport's or the system's own texts
};
