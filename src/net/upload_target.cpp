#include "net/upload_target.h"

#include <strings.h>

#include <algorithm>

namespace net {
namespace {

constexpr size_t kLongestPortText = 5;
constexpr unsigned long kLargestPort = 0xFFFF;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool IsHexDigit(char c) { return IsDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }

// Letters, digits, '-', '.' and '_': host names and IPv4 addresses. Names
// outside ASCII are written in their xn-- form.
bool IsHostNameChar(char c) {
  return IsDigit(c) || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '-' || c == '.' || c == '_';
}

bool IsIpv6Char(char c) { return IsHexDigit(c) || c == ':' || c == '.'; }

// Length of the host at the front of the server text; 0 when there is none.
size_t HostLength(const std::string& server) {
  if (server.empty() || server[0] != '[')
    return static_cast<size_t>(std::find_if_not(server.begin(), server.end(), IsHostNameChar) - server.begin());
  const size_t close = server.find(']');
  if (close == std::string::npos) return 0;
  const std::string address = server.substr(1, close - 1);
  const bool valid = address.find(':') != std::string::npos && std::all_of(address.begin(), address.end(), IsIpv6Char);
  return valid ? close + 1 : 0;
}

std::optional<uint16_t> PortFromText(const std::string& text) {
  if (text.empty() || text.size() > kLongestPortText || !std::all_of(text.begin(), text.end(), IsDigit))
    return std::nullopt;
  const unsigned long port = std::stoul(text);
  if (port > kLargestPort) return std::nullopt;
  return static_cast<uint16_t>(port);
}

std::string BareHost(const std::string& server) {
  const std::optional<UploadTarget> target = SplitServer(server);
  return target ? target->host : server;
}

}  // namespace

std::optional<UploadTarget> SplitServer(const std::string& server) {
  const size_t hostLength = HostLength(server);
  if (hostLength == 0) return std::nullopt;
  UploadTarget target{server.substr(0, hostLength), 0, false};
  if (hostLength == server.size()) return target;
  if (server[hostLength] != ':') return std::nullopt;
  const std::optional<uint16_t> port = PortFromText(server.substr(hostLength + 1));
  if (!port) return std::nullopt;
  target.port = *port;
  return target;
}

std::optional<UploadTarget> ResolveUploadTarget(const std::string& scheme, const std::string& server) {
  std::optional<UploadTarget> target = SplitServer(server);
  if (!target) return std::nullopt;
  const bool tlsScheme = ::strcasecmp(scheme.c_str(), "https") == 0;
  if (tlsScheme && target->port == 0) target->port = 443;
  target->secure = tlsScheme || target->port == 443;
  return target;
}

std::string TargetBaseUrl(const UploadTarget& target) {
  const unsigned port = target.port == 0 ? 80 : target.port;
  return std::string(target.secure ? "https://" : "http://") + target.host + ":" + std::to_string(port) + "/";
}

std::vector<UploadAttempt> UploadAttempts(const std::string& scheme, const std::string& server) {
  const std::optional<UploadTarget> first = ResolveUploadTarget(scheme, server);
  if (!first || first->secure) return {UploadAttempt{scheme, server, false}};
  return {UploadAttempt{scheme, server, false}, UploadAttempt{"http", server, true},
          UploadAttempt{"http", BareHost(server), true}};
}

}  // namespace net
