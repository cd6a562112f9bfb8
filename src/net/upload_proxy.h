// The proxy an upload goes through, from the standard environment variables
// as libcurl reads them: https_proxy (or HTTPS_PROXY) for TLS, http_proxy
// (lower case only) for plain HTTP, else all_proxy (or ALL_PROXY); no_proxy
// (or NO_PROXY) names the hosts that go direct.
#pragma once

#include <string>

namespace net {

struct UploadProxy {
  std::string address;  // empty: none is set for the scheme
  std::string bypass;   // the no_proxy list
};

UploadProxy ProxyFromEnvironment(bool secure);

}  // namespace net
