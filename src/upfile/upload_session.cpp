#include "upfile/upload_session.h"

#include <curl/curl.h>

#include <string_view>

namespace {

// A dead or silent server must cost seconds, not minutes.
constexpr long kConnectTimeoutSeconds = 5;
constexpr long kStalledSeconds = 5;
// Each attempt as a whole: 30 s plus the time the body takes at 64 KiB/s.
constexpr curl_off_t kAttemptBaseMilliseconds = 30000;
constexpr curl_off_t kSlowestBytesPerSecond = 65536;
// The status decides; a short answer is read to its end only so that the
// connection can carry the next file.
constexpr size_t kLongestAnswerBody = 16384;

// What came back for one request.
struct AnswerRead {
  CURL* curl = nullptr;
  bool connected = false;
  bool headersComplete = false;  // status and headers of the final answer are in
  size_t bodyBytes = 0;
};

int NoteConnected(void* read, char*, char*, int, int) {
  static_cast<AnswerRead*>(read)->connected = true;
  return CURL_PREREQFUNC_OK;
}

size_t ReadHeader(char* data, size_t size, size_t count, void* user) {
  auto* read = static_cast<AnswerRead*>(user);
  const std::string_view line(data, size * count);
  long status = 0;
  if ((line == "\r\n" || line == "\n") && curl_easy_getinfo(read->curl, CURLINFO_RESPONSE_CODE, &status) == CURLE_OK &&
      status >= 200)
    read->headersComplete = true;
  return size * count;
}

// Returning less than given ends the transfer.
size_t ReadBody(char*, size_t size, size_t count, void* user) {
  auto* read = static_cast<AnswerRead*>(user);
  read->bodyBytes += size * count;
  return read->bodyBytes > kLongestAnswerBody ? 0 : size * count;
}

curl_off_t AttemptMilliseconds(size_t bodySize) {
  return kAttemptBaseMilliseconds + static_cast<curl_off_t>(bodySize) * 1000 / kSlowestBytesPerSecond;
}

// libcurl calls this at least once a second while a transfer runs; non-zero aborts it.
int ReportProgress(void* data, curl_off_t, curl_off_t, curl_off_t total, curl_off_t sent) {
  const auto& request = *static_cast<const UploadRequest*>(data);
  if (request.observer) request.observer->OnBytesSent(static_cast<uint64_t>(sent), static_cast<uint64_t>(total));
  return request.stop && *request.stop ? 1 : 0;
}

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
  if (!curl) return {0, "no HTTP client", false};
  // Reset keeps the open connections and TLS sessions, drops the last request's options.
  curl_easy_reset(curl);
  HeaderList headers;
  headers.Add(request.contentType);
  headers.Add("Expect:");
  headers.Add("Accept:");
  char error[CURL_ERROR_SIZE] = "";
  AnswerRead read{curl};
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
  // libcurl takes only the entry of the URL's host; redirects, which could
  // carry it elsewhere, stay off.
  if (request.credentials) curl_easy_setopt(curl, CURLOPT_NETRC, static_cast<long>(CURL_NETRC_OPTIONAL));
  curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT, kConnectTimeoutSeconds);
  curl_easy_setopt(curl, CURLOPT_LOW_SPEED_LIMIT, 1L);
  curl_easy_setopt(curl, CURLOPT_LOW_SPEED_TIME, kStalledSeconds);
  curl_easy_setopt(curl, CURLOPT_TIMEOUT_MS, static_cast<long>(AttemptMilliseconds(request.body->size())));
  curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
  curl_easy_setopt(curl, CURLOPT_PREREQFUNCTION, NoteConnected);
  curl_easy_setopt(curl, CURLOPT_PREREQDATA, &read);
  curl_easy_setopt(curl, CURLOPT_HEADERFUNCTION, ReadHeader);
  curl_easy_setopt(curl, CURLOPT_HEADERDATA, &read);
  curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, ReadBody);
  curl_easy_setopt(curl, CURLOPT_WRITEDATA, &read);
  if (request.observer || request.stop) {
    curl_easy_setopt(curl, CURLOPT_XFERINFOFUNCTION, ReportProgress);
    curl_easy_setopt(curl, CURLOPT_XFERINFODATA, &request);
    curl_easy_setopt(curl, CURLOPT_NOPROGRESS, 0L);
  }
  curl_easy_setopt(curl, CURLOPT_ERRORBUFFER, error);
  const CURLcode code = curl_easy_perform(curl);
  curl_easy_setopt(curl, CURLOPT_ERRORBUFFER, nullptr);
  // Once the answer's status and headers are in, a body cut short changes nothing.
  if (code != CURLE_OK && !read.headersComplete)
    return {0, error[0] ? error : curl_easy_strerror(code), read.connected};
  long status = 0;
  curl_easy_getinfo(curl, CURLINFO_RESPONSE_CODE, &status);
  return {status, "", true};
}
