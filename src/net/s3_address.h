// Where an object lives: s3://BUCKET/PREFIX addresses, object keys and the
// URLs requests go to.
#pragma once

#include <optional>
#include <string>

#include "net/s3_config.h"

namespace net {

struct S3Location {
  std::string bucket;
  std::string prefix;  // without leading or trailing '/'; may be empty
};

// "s3://bucket", "s3://bucket/a/b/"; nullopt for anything else.
std::optional<S3Location> ParseS3Url(const std::string& url);

// prefix + "/" + name, or name alone under an empty prefix.
std::string S3Key(const S3Location& location, const std::string& name);

// Every byte outside A-Z a-z 0-9 - . _ ~ (and '/' when kept) as %XX.
std::string S3Escape(const std::string& text, bool keepSlash);

// Path style ENDPOINT/BUCKET/KEY with a custom endpoint; on AWS the bucket's
// own host when its name can be one, else path style.
std::string S3ObjectUrl(const S3Config& config, const S3Location& location, const std::string& name);

}  // namespace net
