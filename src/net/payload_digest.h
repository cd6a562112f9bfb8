// The two digests an S3 request carries for its body: SHA-256 (hex, for the
// signature) and MD5 (base64, Content-MD5), so a changed byte fails it.
#pragma once

#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>

namespace net {

struct PayloadDigest {
  std::string sha256Hex;
  std::string md5Base64;
};

PayloadDigest DigestOf(const std::string& bytes);

// Reads length bytes from offset once; nullopt when the file gives fewer.
std::optional<PayloadDigest> DigestOf(FILE* file, uint64_t offset, uint64_t length);

}  // namespace net
