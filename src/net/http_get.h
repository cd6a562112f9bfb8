// One HTTP GET of an absolute URL into a local file.
#pragma once

#include <atomic>
#include <cstddef>
#include <string>

#include "net/trace.h"

namespace net {

// Bounds of every download: a server that does not answer, drips or streams
// for ever must neither hold the dialog's start-up nor fill the disk; the
// download page is small.
struct DownloadLimits {
  long connectTimeoutMs = 3000;
  long stallSeconds = 4;  // no byte for this long ends the transfer
  long totalMs = 10000;   // per attempt: HTTPS and HTTP together stay within 20 s
  size_t maxBytes = size_t{8} << 20;
  const std::atomic<bool>* stop = nullptr;  // once set, the transfer ends at once (a window that closes)
};

// Fetches prefix + tail ("https:" or "http:" and "//host/path") and stores
// whatever body the server returns (error pages too) at localPath, after
// moving an earlier file there aside. True when a body was stored; an
// unparsable URL, a failed transfer or one past the limits keeps no file and
// sends one trace line (standard error).
bool HttpGet(const std::string& prefix, const std::string& tail, const std::string& localPath,
             const TraceSink& trace, const DownloadLimits& limits = {});

}  // namespace net
