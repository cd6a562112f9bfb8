// A slow link in front of a local server: delay_proxy.py beside this file,
// forwarding a port of 127.0.0.1 to target while the object lives.
#pragma once

#include <cstdint>
#include <string>

#include "support/upload_servers.h"

namespace benchworld {

// 25 ms each way, a round trip of 50 ms. The proxy ends by itself after
// lifetimeSeconds should the benchmark die without ending it.
struct DelayProxy : testserver::ServerProcess {
  DelayProxy(uint16_t target, const std::string& logPath, int lifetimeSeconds);
};

}  // namespace benchworld
