#include "net/trusted_post.h"

#include <optional>

#include "net/certificate_pins.h"

namespace net {
namespace {

constexpr long kFirstRedirectStatus = 300;

std::string MismatchText(const std::string& hostPort, const std::string& pinned, const std::string& shown) {
  return "the server shows the key " + (shown.empty() ? "(unknown)" : shown) + ", not the key " + pinned +
         " pinned for " + hostPort + "; to accept the new key, delete the line of " + hostPort + " from " +
         PinFilePath();
}

}  // namespace

PostAnswer TrustedPoster::Post(PostRequest request) {
  if (!request.target.secure || !relax_) return client_.Post(request);
  if (!ownCertificate_) {
    // A failed check ends in the handshake, before any byte of the request.
    PostAnswer answer = client_.Post(request);
    if (!answer.untrusted) return answer;
    ownCertificate_ = true;
  }
  const std::string hostPort = request.target.host + ":" + std::to_string(request.target.port);
  const std::optional<std::string> pinned = FindPinnedKey(hostPort);
  request.ownCertificate = true;
  // Every request goes with a pin, the first one with the key its server
  // shows now, so that the file goes only where the key was seen.
  if (pinned) {
    request.pinnedKey = *pinned;
  } else {
    PostAnswer probe = client_.ProbeServerKey(request);
    if (probe.serverKey.empty()) {
      if (probe.error.empty()) probe.error = "no certificate key came";
      probe.untrusted = probe.connected;
      return probe;
    }
    request.pinnedKey = probe.serverKey;
  }
  PostAnswer answer = client_.Post(request);
  if (pinned && answer.untrusted && answer.serverKey != *pinned)
    answer.error = MismatchText(hostPort, *pinned, answer.serverKey);
  const bool stored = answer.error.empty() && answer.status < kFirstRedirectStatus;
  if (!pinned && stored) PinKey(hostPort, request.pinnedKey);
  return answer;
}

}  // namespace net
