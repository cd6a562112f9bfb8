// A certificate's public key in the form libcurl pins it by.
#pragma once

#include <string>

namespace net {

// "sha256//" + base64 of the SHA-256 of the DER public key of the PEM
// certificate; empty when the text holds none.
std::string PublicKeyPin(const std::string& pemCertificate);

}  // namespace net
