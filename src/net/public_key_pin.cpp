#include "net/public_key_pin.h"

#include <openssl/evp.h>
#include <openssl/pem.h>
#include <openssl/x509.h>

#include <memory>
#include <vector>

namespace net {

std::string PublicKeyPin(const std::string& pemCertificate) {
  const std::unique_ptr<BIO, decltype(&BIO_free)> pem(
      BIO_new_mem_buf(pemCertificate.data(), static_cast<int>(pemCertificate.size())), BIO_free);
  const std::unique_ptr<X509, decltype(&X509_free)> certificate(
      pem ? PEM_read_bio_X509(pem.get(), nullptr, nullptr, nullptr) : nullptr, X509_free);
  if (!certificate) return "";
  unsigned char* der = nullptr;
  const int derSize = i2d_X509_PUBKEY(X509_get_X509_PUBKEY(certificate.get()), &der);
  if (derSize <= 0) return "";
  unsigned char digest[EVP_MAX_MD_SIZE];
  unsigned digestSize = 0;
  const bool hashed = EVP_Digest(der, static_cast<size_t>(derSize), digest, &digestSize, EVP_sha256(), nullptr) == 1;
  OPENSSL_free(der);
  if (!hashed) return "";
  std::vector<unsigned char> base64(4 * ((digestSize + 2) / 3) + 1);
  EVP_EncodeBlock(base64.data(), digest, static_cast<int>(digestSize));
  return "sha256//" + std::string(reinterpret_cast<const char*>(base64.data()));
}

}  // namespace net
