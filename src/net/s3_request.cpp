#include "net/s3_request.h"

#include <strings.h>

#include <algorithm>
#include <cstdio>

#include "net/payload_digest.h"
#include "net/user_agent.h"

namespace net {
namespace {

constexpr size_t kLongestAnswer = 64 * 1024;
constexpr long kConnectMilliseconds = 10000;
constexpr long kStalledSeconds = 30;  // below 1 byte/s this long ends the request

struct FileCloser {
  void operator()(FILE* file) const { fclose(file); }
};

class S3Transfer : public Transfer {
 public:
  S3Transfer(const S3Config& config, S3Request request, S3AnswerHandler handler)
      : config_(config), request_(std::move(request)), handler_(std::move(handler)) {}
  ~S3Transfer() override { curl_slist_free_all(headers_); }

  bool Configure(CURL* handle) override;
  bool Finish(CURLcode result, CURL* handle) override;

 private:
  static size_t ReadBody(char* buffer, size_t size, size_t count, void* self);
  static int SeekBody(void* self, curl_off_t offset, int origin);
  static size_t KeepHeader(char* data, size_t size, size_t count, void* self);
  static size_t KeepBody(char* data, size_t size, size_t count, void* self);
  bool ReadFailed(const std::string& why);

  const S3Config& config_;
  S3Request request_;
  S3AnswerHandler handler_;
  std::unique_ptr<FILE, FileCloser> file_;
  uint64_t sent_ = 0;
  curl_slist* headers_ = nullptr;
  std::string signing_;
  char error_[CURL_ERROR_SIZE] = "";
  S3Answer answer_;
};

bool S3Transfer::ReadFailed(const std::string& why) {
  answer_.result = CURLE_READ_ERROR;
  answer_.error = why;
  handler_(answer_);
  return false;
}

bool S3Transfer::Configure(CURL* handle) {
  PayloadDigest digest;
  if (request_.path.empty()) {
    digest = DigestOf(request_.body);
  } else {
    file_.reset(fopen(request_.path.c_str(), "rb"));
    if (!file_) return ReadFailed("can't open " + request_.path);
    const auto fileDigest = DigestOf(file_.get(), request_.offset, request_.length);
    if (!fileDigest) return ReadFailed("can't read " + request_.path);
    digest = *fileDigest;
  }
  // The payload's hash is signed, so a byte that differs from what was read here fails the request.
  for (const std::string& line : request_.headers) headers_ = curl_slist_append(headers_, line.c_str());
  headers_ = curl_slist_append(headers_, ("x-amz-content-sha256: " + digest.sha256Hex).c_str());
  headers_ = curl_slist_append(headers_, ("Content-MD5: " + digest.md5Base64).c_str());
  if (!config_.sessionToken.empty())
    headers_ = curl_slist_append(headers_, ("x-amz-security-token: " + config_.sessionToken).c_str());

  signing_ = "aws:amz:" + config_.region + ":s3";
  curl_easy_setopt(handle, CURLOPT_URL, request_.url.c_str());
  // Only the scheme of the address itself: never plain HTTP for a TLS address.
  curl_easy_setopt(handle, CURLOPT_PROTOCOLS_STR, request_.url.starts_with("https:") ? "https" : "http");
  curl_easy_setopt(handle, CURLOPT_HTTP_VERSION, static_cast<long>(CURL_HTTP_VERSION_2TLS));
  curl_easy_setopt(handle, CURLOPT_AWS_SIGV4, signing_.c_str());
  curl_easy_setopt(handle, CURLOPT_USERNAME, config_.accessKey.c_str());
  curl_easy_setopt(handle, CURLOPT_PASSWORD, config_.secretKey.c_str());
  curl_easy_setopt(handle, CURLOPT_HTTPHEADER, headers_);
  // A request signed for its body gains nothing from asking first: the wait
  // for "100 Continue" costs a round trip per object. (An empty "Expect:"
  // line would be signed as a header and break the signature.)
  curl_easy_setopt(handle, CURLOPT_EXPECT_100_TIMEOUT_MS, 0L);
  curl_easy_setopt(handle, CURLOPT_USERAGENT, UploadAgent().c_str());
  curl_easy_setopt(handle, CURLOPT_CONNECTTIMEOUT_MS, kConnectMilliseconds);
  curl_easy_setopt(handle, CURLOPT_LOW_SPEED_LIMIT, 1L);
  curl_easy_setopt(handle, CURLOPT_LOW_SPEED_TIME, kStalledSeconds);
  curl_easy_setopt(handle, CURLOPT_ERRORBUFFER, error_);
  curl_easy_setopt(handle, CURLOPT_HEADERFUNCTION, KeepHeader);
  curl_easy_setopt(handle, CURLOPT_HEADERDATA, this);
  curl_easy_setopt(handle, CURLOPT_WRITEFUNCTION, KeepBody);
  curl_easy_setopt(handle, CURLOPT_WRITEDATA, this);
  if (!request_.path.empty()) {
    curl_easy_setopt(handle, CURLOPT_UPLOAD, 1L);
    curl_easy_setopt(handle, CURLOPT_INFILESIZE_LARGE, static_cast<curl_off_t>(request_.length));
    curl_easy_setopt(handle, CURLOPT_READFUNCTION, ReadBody);
    curl_easy_setopt(handle, CURLOPT_READDATA, this);
    curl_easy_setopt(handle, CURLOPT_SEEKFUNCTION, SeekBody);
    curl_easy_setopt(handle, CURLOPT_SEEKDATA, this);
    if (request_.method != "PUT") curl_easy_setopt(handle, CURLOPT_CUSTOMREQUEST, request_.method.c_str());
    return SeekBody(this, 0, SEEK_SET) == CURL_SEEKFUNC_OK || ReadFailed("can't read " + request_.path);
  }
  if (request_.method == "POST") {
    curl_easy_setopt(handle, CURLOPT_POSTFIELDS, request_.body.data());
    curl_easy_setopt(handle, CURLOPT_POSTFIELDSIZE_LARGE, static_cast<curl_off_t>(request_.body.size()));
  } else {
    curl_easy_setopt(handle, CURLOPT_CUSTOMREQUEST, request_.method.c_str());
  }
  return true;
}

size_t S3Transfer::ReadBody(char* buffer, size_t size, size_t count, void* self) {
  auto& transfer = *static_cast<S3Transfer*>(self);
  const uint64_t left = transfer.request_.length - transfer.sent_;
  const size_t wanted = static_cast<size_t>(std::min<uint64_t>(left, size * count));
  if (wanted == 0) return 0;
  const size_t got = fread(buffer, 1, wanted, transfer.file_.get());
  // A file that shrank since it was hashed fails the request rather than send a short body.
  if (got == 0) return CURL_READFUNC_ABORT;
  transfer.sent_ += got;
  return got;
}

int S3Transfer::SeekBody(void* self, curl_off_t offset, int origin) {
  auto& transfer = *static_cast<S3Transfer*>(self);
  if (origin != SEEK_SET || offset < 0 || static_cast<uint64_t>(offset) > transfer.request_.length)
    return CURL_SEEKFUNC_CANTSEEK;
  if (fseeko(transfer.file_.get(), static_cast<off_t>(transfer.request_.offset + offset), SEEK_SET) != 0)
    return CURL_SEEKFUNC_FAIL;
  transfer.sent_ = static_cast<uint64_t>(offset);
  return CURL_SEEKFUNC_OK;
}

size_t S3Transfer::KeepHeader(char* data, size_t size, size_t count, void* self) {
  auto& answer = static_cast<S3Transfer*>(self)->answer_;
  const std::string line(data, size * count);
  if (line.size() > 5 && strncasecmp(line.c_str(), "etag:", 5) == 0) {
    const auto first = line.find_first_not_of(" \t", 5);
    const auto last = line.find_last_not_of(" \t\r\n");
    answer.etag = first == std::string::npos || last < first ? "" : line.substr(first, last - first + 1);
  }
  return size * count;
}

size_t S3Transfer::KeepBody(char* data, size_t size, size_t count, void* self) {
  auto& answer = static_cast<S3Transfer*>(self)->answer_;
  if (answer.body.size() + size * count > kLongestAnswer) return 0;
  answer.body.append(data, size * count);
  return size * count;
}

bool S3Transfer::Finish(CURLcode result, CURL* handle) {
  curl_easy_setopt(handle, CURLOPT_ERRORBUFFER, nullptr);
  answer_.result = result;
  if (result != CURLE_OK) answer_.error = error_[0] ? error_ : curl_easy_strerror(result);
  curl_easy_getinfo(handle, CURLINFO_RESPONSE_CODE, &answer_.status);
  return handler_(answer_);
}

}  // namespace

std::unique_ptr<Transfer> NewS3Transfer(const S3Config& config, S3Request request, S3AnswerHandler handler) {
  return std::make_unique<S3Transfer>(config, std::move(request), std::move(handler));
}

}  // namespace net
