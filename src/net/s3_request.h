// One signed S3 request as a transfer of a pool: libcurl signs it (SigV4),
// its body comes from memory or is streamed from a range of a file, and the
// answer is kept within a bound for its handler.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "net/s3_config.h"
#include "net/transfer_pool.h"

namespace net {

struct S3Request {
  std::string method{};              // PUT, POST or DELETE
  std::string url{};                 // query parameters sorted and escaped, as the signature needs
  std::vector<std::string> headers{};  // "Name: value" lines besides the signing ones
  std::string body{};  // sent when path is empty
  std::string path{};  // else length bytes of this file from offset
  uint64_t offset = 0, length = 0;
};

struct S3Answer {
  CURLcode result = CURLE_OK;
  std::string error;  // libcurl's text when result is not CURLE_OK
  long status = 0;
  std::string etag;
  std::string body;  // the first 64 KiB at most
};

// Called once with what came back (also when the file could not be read:
// result CURLE_READ_ERROR, before anything was sent); false fails the run.
using S3AnswerHandler = std::function<bool(const S3Answer& answer)>;

std::unique_ptr<Transfer> NewS3Transfer(const S3Config& config, S3Request request, S3AnswerHandler handler);

}  // namespace net
