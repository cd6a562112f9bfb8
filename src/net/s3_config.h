// Credentials, region and endpoint of S3 storage, found where every S3 client
// looks: the AWS_* environment first, then the shared credentials and config
// files of the selected profile.
#pragma once

#include <string>

namespace net {

struct S3Config {
  std::string accessKey, secretKey, sessionToken, region;
  std::string endpoint;  // "" = AWS itself; else scheme://host[:port], no trailing '/'
};

// False and *error naming what is missing and where it was looked for. The
// error never carries a secret.
bool LoadS3Config(S3Config* config, std::string* error);

}  // namespace net
