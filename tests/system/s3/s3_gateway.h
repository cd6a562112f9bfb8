// The Ceph gateway the test run started: its address and keys, and anonymous
// reads of what landed there.
#pragma once

#include <string>

#include "net/s3_address.h"
#include "net/s3_config.h"

namespace s3test {

struct Gateway {
  net::S3Config config;
  std::string bucket;
};

// Read from the file the fixture wrote (WXPUB_S3_GATEWAY); every AWS_*
// variable of the environment is cleared first.
const Gateway& TheGateway();

// A prefix no other test run or case uses.
net::S3Location FreshLocation(const std::string& label);

struct Fetched {
  long status = 0;
  std::string contentType, etag, body;
  size_t maxBody = 0;  // the body is cut there
};

// An anonymous GET of url, the body cut at maxBody bytes.
Fetched Fetch(const std::string& url, size_t maxBody = size_t{1} << 20);

// Keys stored and multipart uploads open below the location's prefix.
std::string ListedKeys(const net::S3Location& location);
std::string OpenUploads(const net::S3Location& location);

}  // namespace s3test
