// libcurl's process-wide set-up, which must happen once before any handle.
#pragma once

namespace net {

// True when libcurl is ready; the first call sets it up.
bool CurlReady();

}  // namespace net
