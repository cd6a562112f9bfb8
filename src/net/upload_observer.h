// What the upload transport reports while it works. Every hook does nothing
// by default.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "net/trace.h"

namespace net {

class UploadObserver {
 public:
  virtual ~UploadObserver() = default;
  // One fragment of the transport's trace, worded and split exactly as the
  // command line prints it (fields separated by TAB; a fragment may end mid-line).
  virtual void OnTrace(const std::string& /*text*/, TraceStream /*stream*/) {}
  // Before the first attempt on file index (0-based) of count files to send.
  virtual void OnFileStarted(size_t /*index*/, size_t /*count*/, const std::string& /*path*/) {}
  // Bytes of the files' own content sent so far over all files of the call,
  // of the bytes of them all.
  virtual void OnBytesSent(uint64_t /*sent*/, uint64_t /*total*/) {}
};

}  // namespace net
