// A slow link in front of a local server: delay_proxy.py beside this file,
// forwarding a port of 127.0.0.1 to target while the object lives.
#pragma once

#include <cstdint>
#include <string>

#include "support/upload_servers.h"

namespace benchworld {

// What each benchmark over the slow link sends, and how often.
inline constexpr int kSlowLinkFiles = 100;
inline constexpr size_t kSlowLinkFileSize = 4096;
inline constexpr int kSlowLinkRounds = 5;

// 25 ms each way, a round trip of 50 ms. The proxy ends by itself after half
// an hour should the benchmark die without ending it.
struct DelayProxy : testserver::ServerProcess {
  DelayProxy(uint16_t target, const std::string& logPath);
};

}  // namespace benchworld
