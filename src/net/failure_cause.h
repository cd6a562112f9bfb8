// Why a file did not reach the server, as a cause a person can act on: the
// transport gives these too, the job alone a full disk.
#pragma once

#include <cstdint>

namespace net {

struct FailureCause {
  enum class Kind {
    ServerStatus,       // the server answered with a failing status
    ServerUnreachable,  // no connection could be made
    NoAnswer,           // connected, but no whole answer came
    TooLarge,           // above the upload size limit
    DiskFull,           // no room for the staged copy or the page
    FileError,          // the file could not be read, copied or written
    Stopped,            // a stop request ended the job first
  };
  Kind kind = Kind::FileError;
  int64_t number = 0;  // the HTTP status (ServerStatus) or the size limit in bytes (TooLarge)
};

}  // namespace net
