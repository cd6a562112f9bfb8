// TLS posts under the self_certificate rule: a certificate a known authority
// signs for the host is always taken; with the relaxation on, a server that
// shows another one is posted to only with the key pinned for its host and
// port (certificate_pins), which its first successful upload pins.
#pragma once

#include "net/http_client.h"

namespace net {

class TrustedPoster {
 public:
  TrustedPoster(HttpClient& client, bool relaxCertificate) : client_(client), relax_(relaxCertificate) {}
  PostAnswer Post(PostRequest request);

 private:
  HttpClient& client_;
  bool relax_;
  bool ownCertificate_ = false;  // the server showed one no authority signs: no need to ask again
};

}  // namespace net
