// Where one upload attempt goes: the scheme and port rules of the transport
// and the three attempts made for every file.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace net {

struct UploadTarget {
  std::string host;   // a host name, an IPv4 address or an IPv6 address in brackets
  uint16_t port = 0;  // 0 = the default port of plain HTTP
  bool secure = false;
};

// "host" or "host:port" with a decimal port up to 65535; nothing when the text
// is anything else (user info, a path, blanks, other characters).
std::optional<UploadTarget> SplitServer(const std::string& server);

// The scheme "https" in any letter case asks for TLS (then port 0 becomes
// 443); an explicit port 443 means TLS whatever the scheme says.
std::optional<UploadTarget> ResolveUploadTarget(const std::string& scheme, const std::string& server);

// "https://host:port/" or "http://host:port/" with the default port filled in.
std::string TargetBaseUrl(const UploadTarget& target);

struct UploadAttempt {
  std::string scheme;
  std::string server;
  bool fallback = false;  // taken only because no connection could be made before
};

// The given scheme and server; when that is plain HTTP, then plain HTTP to
// the server again and to the bare host. What was meant for TLS never goes
// in clear.
std::vector<UploadAttempt> UploadAttempts(const std::string& scheme, const std::string& server);

}  // namespace net
