#include "upfile/upload_target.h"

#include <cstdint>

namespace {

constexpr uint64_t kLargestPortText = 0xFFFFFFFF;  // the number reader saturates here

uint16_t PortFromText(const std::string& text) {
  uint64_t value = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') break;
    value = value * 10 + static_cast<uint64_t>(c - '0');
    if (value > kLargestPortText) value = kLargestPortText;
  }
  return static_cast<uint16_t>(value & 0xFFFF);
}

}  // namespace

UploadTarget SplitServer(const std::string& server) {
  const auto colon = server.find(':');
  if (colon == std::string::npos) return {server, 0, false};
  const auto portEnd = server.find(':', colon + 1);
  const std::string portText = server.substr(colon + 1, portEnd == std::string::npos ? portEnd : portEnd - colon - 1);
  return {server.substr(0, colon), PortFromText(portText), false};
}

std::string BareHost(const std::string& server) { return server.substr(0, server.find(':')); }

UploadTarget ResolveUploadTarget(const std::string& scheme, const std::string& server) {
  UploadTarget target = SplitServer(server);
  if (scheme == "https" && target.port == 0) target.port = 443;
  target.secure = scheme == "https" || target.port == 443;
  return target;
}

std::string TargetBaseUrl(const UploadTarget& target) {
  const unsigned port = target.port == 0 ? 80 : target.port;
  return std::string(target.secure ? "https://" : "http://") + target.host + ":" + std::to_string(port) + "/";
}

std::array<UploadAttempt, 3> UploadAttempts(const std::string& scheme, const std::string& server) {
  return {UploadAttempt{scheme, server}, UploadAttempt{"http", server}, UploadAttempt{"http", BareHost(server)}};
}
