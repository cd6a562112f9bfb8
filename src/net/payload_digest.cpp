#include "net/payload_digest.h"

#include <openssl/evp.h>

#include <algorithm>
#include <memory>
#include <vector>

namespace net {
namespace {

constexpr size_t kChunk = 1 << 16;

using Context = std::unique_ptr<EVP_MD_CTX, decltype(&EVP_MD_CTX_free)>;

class TwoDigests {
 public:
  TwoDigests() {
    EVP_DigestInit_ex(sha256_.get(), EVP_sha256(), nullptr);
    EVP_DigestInit_ex(md5_.get(), EVP_md5(), nullptr);
  }
  void Add(const void* data, size_t size) {
    EVP_DigestUpdate(sha256_.get(), data, size);
    EVP_DigestUpdate(md5_.get(), data, size);
  }
  PayloadDigest Result() {
    unsigned char sha[EVP_MAX_MD_SIZE], md5[EVP_MAX_MD_SIZE];
    unsigned shaSize = 0, md5Size = 0;
    EVP_DigestFinal_ex(sha256_.get(), sha, &shaSize);
    EVP_DigestFinal_ex(md5_.get(), md5, &md5Size);
    static constexpr char kHex[] = "0123456789abcdef";
    PayloadDigest digest;
    for (unsigned i = 0; i < shaSize; ++i) {
      digest.sha256Hex += kHex[sha[i] >> 4];
      digest.sha256Hex += kHex[sha[i] & 15];
    }
    unsigned char base64[4 * ((EVP_MAX_MD_SIZE + 2) / 3) + 1];
    const int base64Size = EVP_EncodeBlock(base64, md5, static_cast<int>(md5Size));
    digest.md5Base64.assign(reinterpret_cast<char*>(base64), static_cast<size_t>(base64Size));
    return digest;
  }

 private:
  Context sha256_{EVP_MD_CTX_new(), EVP_MD_CTX_free};
  Context md5_{EVP_MD_CTX_new(), EVP_MD_CTX_free};
};

}  // namespace

PayloadDigest DigestOf(const std::string& bytes) {
  TwoDigests digests;
  digests.Add(bytes.data(), bytes.size());
  return digests.Result();
}

std::optional<PayloadDigest> DigestOf(FILE* file, uint64_t offset, uint64_t length) {
  if (fseeko(file, static_cast<off_t>(offset), SEEK_SET) != 0) return std::nullopt;
  TwoDigests digests;
  std::vector<unsigned char> chunk(kChunk);
  while (length > 0) {
    const size_t got = fread(chunk.data(), 1, static_cast<size_t>(std::min<uint64_t>(length, kChunk)), file);
    if (got == 0) return std::nullopt;
    digests.Add(chunk.data(), got);
    length -= got;
  }
  return digests.Result();
}

}  // namespace net
