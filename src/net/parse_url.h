// Splitting an absolute http or https URL into the parts a request needs.
#pragma once

#include <optional>
#include <string>

constexpr int AFX_INET_SERVICE_HTTP = 3;
constexpr int AFX_INET_SERVICE_HTTPS = 4107;

struct ParsedUrl {
  int service = 0;     // AFX_INET_SERVICE_HTTP or AFX_INET_SERVICE_HTTPS
  std::string server;  // host name, IPv6 addresses in brackets
  std::string object;  // path and query, at least "/"
  unsigned port = 0;   // explicit port, else 443 or 80

  bool Secure() const { return service == AFX_INET_SERVICE_HTTPS; }
  // The URL rebuilt from the parts.
  std::string Url() const;
};

// Empty for anything that is not an http or https URL with a host.
std::optional<ParsedUrl> AfxParseURL(const std::string& url);
