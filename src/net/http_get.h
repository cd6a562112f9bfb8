// One HTTP GET of an absolute URL into a local file.
#pragma once

#include <string>

// Time-outs of every download: a server that does not answer must not hold
// the dialog's start-up for long.
constexpr long kConnectTimeoutMs = 3000;
constexpr long kStallSeconds = 4;  // no byte for this long ends the transfer

// Fetches prefix + tail ("https:" or "http:" and "//host/path") and stores
// whatever body the server returns (error pages too) at localPath, after
// moving an earlier file there aside. False only when the URL cannot be
// parsed; a failed transfer leaves no file and writes one trace line.
bool http_get(const std::string& prefix, const std::string& tail, const std::string& localPath);
