#include "net/curl_ready.h"

#include <curl/curl.h>

namespace net {

bool CurlReady() {
  // curl_global_init is not thread-safe; a function-local static is.
  static const bool initialised = curl_global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK;
  return initialised;
}

}  // namespace net
