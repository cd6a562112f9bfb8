#include "net/upload_proxy.h"

#include <cstdlib>
#include <initializer_list>

namespace net {
namespace {

std::string FirstSet(std::initializer_list<const char*> names) {
  for (const char* name : names)
    if (const char* value = std::getenv(name); value && *value) return value;
  return "";
}

}  // namespace

UploadProxy ProxyFromEnvironment(bool secure) {
  // An upper-case HTTP_PROXY may come from a CGI request's Proxy header.
  std::string address = secure ? FirstSet({"https_proxy", "HTTPS_PROXY"}) : FirstSet({"http_proxy"});
  if (address.empty()) address = FirstSet({"all_proxy", "ALL_PROXY"});
  return {address, FirstSet({"no_proxy", "NO_PROXY"})};
}

}  // namespace net
