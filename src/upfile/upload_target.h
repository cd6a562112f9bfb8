// Where one upload attempt goes: the scheme and port rules of the transport
// and the three attempts made for every file.
#pragma once

#include <array>
#include <cstdint>
#include <string>

struct UploadTarget {
  std::string host;
  uint16_t port = 0;  // 0 = the default port of plain HTTP
  bool secure = false;
};

// "host[:port[:...]]": port from the leading digits (none gives 0), modulo 65536.
UploadTarget SplitServer(const std::string& server);

// Text of the server before its first ':'.
std::string BareHost(const std::string& server);

// Only the exact scheme "https" asks for TLS (then port 0 becomes 443);
// an explicit port 443 means TLS whatever the scheme says.
UploadTarget ResolveUploadTarget(const std::string& scheme, const std::string& server);

// "https://host:port/" or "http://host:port/" with the default port filled in.
std::string TargetBaseUrl(const UploadTarget& target);

struct UploadAttempt {
  std::string scheme;
  std::string server;
};

// The given scheme and server, then plain HTTP to the server, then plain HTTP
// to the bare host.
std::array<UploadAttempt, 3> UploadAttempts(const std::string& scheme, const std::string& server);
