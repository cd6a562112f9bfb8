// The start-up check for a newer version: the family's download page is
// fetched and compared with the copy kept at the previous start; after
// repeated changes the page is to be opened in the browser.
#pragma once

#include <atomic>
#include <string>

#include "net/trace.h"

namespace update {

// Settings in the family profile.
constexpr const char* kProfile = "z_Suite";
constexpr const char* kSection = "IR_update";
constexpr const char* kServerKey = "server_name";
constexpr const char* kPathKey = "path_name";
constexpr const char* kCountKey = "update count";
// Nothing leaves the machine until someone names a real update server.
constexpr const char* kDefaultServer = "localhost";
constexpr const char* kDefaultPath = "z_Suite/download/";
constexpr int kDefaultCount = 3;
// The page opens once the count of detections passes this.
constexpr int kCountLimit = 5;

struct CheckResult {
  bool changed = false;     // the page changed since the previous start
  std::string openAddress;  // the page to open in the browser; empty for none
};

// "//" + server + "/" + path.
std::string UpdatePageAddress();

// Downloads and compares the page, keeps the count in the profile and leaves
// copies and notes in the temporary folders; touches no window, so it may run
// on any thread. Trace text goes to the sink. A stop request ends the download
// at once and counts as a failed download; a stopped check opens nothing.
CheckResult CheckForUpdate(const net::TraceSink& trace, const std::atomic<bool>* stop = nullptr);

}  // namespace update
