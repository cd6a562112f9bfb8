#include "upfile/upload_session.h"

#include <curl/curl.h>


namespace {

// A dead or silent server must cost seconds, not minutes.
constexpr long kConnectTimeoutSeconds = 5;
constexpr long kStalledSeconds = 5;

size_t DiscardAnswer(char*, size_t size, size_t count, void*) { return size * count; }

struct HeaderList {
  curl_slist* list = nullptr;
  ~HeaderList() { curl_slist_free_all(list); }
  void Add(const std::string& line) { list = curl_slist_append(list, line.c_str()); }
};

CURL* NewHandle() {
  static const bool initialised = curl_global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK;
  return initialised ? curl_easy_init() : nullptr;
}

}  // namespace

UploadSession::UploadSession() : curl_(NewHandle()) {}

UploadSession::~UploadSession() { curl_easy_cleanup(static_cast<CURL*>(curl_)); }

UploadAnswer UploadSession::Send(const UploadRequest& request) {
  CURL* curl = static_cast<CURL*>(curl_);
  if (!curl) return {0, "no HTTP client"};
  // Reset keeps the open connections and TLS sessions, drops the last request's options.
  curl_easy_reset(curl);
  HeaderList headers;
  headers.Add(request.contentType);
  headers.Add("Expect:");
  headers.Add("Accept:");
  char error[CURL_ERROR_SIZE] = "";
  const std::string url = TargetBaseUrl(request.target);
  curl_easy_setopt(curl, CURLOPT_URL, url.c_str());
  curl_easy_setopt(curl, CURLOPT_REQUEST_TARGET, request.script.c_str());
  curl_easy_setopt(curl, CURLOPT_POST, 1L);
  curl_easy_setopt(curl, CURLOPT_POSTFIELDS, request.body->data());
  curl_easy_setopt(curl, CURLOPT_POSTFIELDSIZE_LARGE, static_cast<curl_off_t>(request.body->size()));
  curl_easy_setopt(curl, CURLOPT_HTTPHEADER, headers.list);
  curl_easy_setopt(curl, CURLOPT_USERAGENT, request.agent.c_str());
  if (request.target.secure) curl_easy_setopt(curl, CURLOPT_HTTP_VERSION, CURL_HTTP_VERSION_1_1);
  if (request.relaxCertificate) {
    curl_easy_setopt(curl, CURLOPT_SSL_VERIFYPEER, 0L);
    curl_easy_setopt(curl, CURLOPT_SSL_VERIFYHOST, 0L);
  }
  curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT, kConnectTimeoutSeconds);
  curl_easy_setopt(curl, CURLOPT_LOW_SPEED_LIMIT, 1L);
  curl_easy_setopt(curl, CURLOPT_LOW_SPEED_TIME, kStalledSeconds);
  curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
  curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, DiscardAnswer);
  curl_easy_setopt(curl, CURLOPT_ERRORBUFFER, error);
  const CURLcode code = curl_easy_perform(curl);
  curl_easy_setopt(curl, CURLOPT_ERRORBUFFER, nullptr);
  if (code != CURLE_OK) return {0, error[0] ? error : curl_easy_strerror(code)};
  long status = 0;
  curl_easy_getinfo(curl, CURLINFO_RESPONSE_CODE, &status);
  return {status, ""};
}
