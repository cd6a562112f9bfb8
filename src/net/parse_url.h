// Splitting an absolute http or https URL into the parts a request needs.
#pragma once

#include <optional>
#include <string>

namespace net {

struct ParsedUrl {
  bool secure = false;  // https
  std::string host;     // IPv6 addresses in brackets
  std::string path;     // path and query, at least "/"
  unsigned port = 0;    // explicit port, else 443 or 80

  // The URL rebuilt from the parts.
  std::string Url() const;
};

// Empty for anything that is not an http or https URL with a host.
std::optional<ParsedUrl> ParseUrl(const std::string& url);

}  // namespace net
