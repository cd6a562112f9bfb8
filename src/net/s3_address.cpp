#include "net/s3_address.h"

#include <algorithm>

namespace net {
namespace {

constexpr std::string_view kScheme = "s3://";

bool Unreserved(unsigned char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '.' ||
         c == '_' || c == '~';
}

// A bucket name that is also a host name label under TLS: no dots (the
// certificate covers one level), lower case, digits and inner hyphens.
bool HostStyleBucket(const std::string& bucket) {
  return bucket.size() >= 3 && bucket.size() <= 63 && bucket.front() != '-' && bucket.back() != '-' &&
         std::all_of(bucket.begin(), bucket.end(),
                     [](char c) { return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-'; });
}

std::string WithoutTrailingSlashes(std::string text) {
  while (text.ends_with('/')) text.pop_back();
  return text;
}

}  // namespace

std::optional<S3Location> ParseS3Url(const std::string& url) {
  if (!url.starts_with(kScheme)) return std::nullopt;
  const std::string rest = url.substr(kScheme.size());
  const auto slash = rest.find('/');
  S3Location location{rest.substr(0, slash), slash == std::string::npos ? "" : WithoutTrailingSlashes(rest.substr(slash + 1))};
  // An empty segment would make a key no other client reaches the same way.
  if (location.bucket.empty() || location.prefix.starts_with('/') || location.prefix.find("//") != std::string::npos)
    return std::nullopt;
  return location;
}

std::string S3Key(const S3Location& location, const std::string& name) {
  return location.prefix.empty() ? name : location.prefix + "/" + name;
}

std::string S3Escape(const std::string& text, bool keepSlash) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string escaped;
  for (const unsigned char c : text) {
    if (Unreserved(c) || (keepSlash && c == '/')) {
      escaped += static_cast<char>(c);
    } else {
      escaped += '%';
      escaped += kHex[c >> 4];
      escaped += kHex[c & 15];
    }
  }
  return escaped;
}

std::string S3ObjectUrl(const S3Config& config, const S3Location& location, const std::string& name) {
  const std::string key = S3Escape(S3Key(location, name), true);
  if (!config.endpoint.empty()) return config.endpoint + "/" + location.bucket + "/" + key;
  const std::string host = "s3." + config.region + ".amazonaws.com";
  if (HostStyleBucket(location.bucket)) return "https://" + location.bucket + "." + host + "/" + key;
  return "https://" + host + "/" + S3Escape(location.bucket, false) + "/" + key;
}

}  // namespace net
