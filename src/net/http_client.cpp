#include "net/http_client.h"

#include <curl/curl.h>

#include <string_view>

#include "net/user_agent.h"

namespace net {
namespace {

constexpr long kMaxRedirects = 10;
constexpr long kReceiveBuffer = 1024;
// The status decides a POST; a short answer is read to its end only so that
// the connection can carry the next file.
constexpr size_t kLongestAnswerBody = 16384;

// What came back for one POST.
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

size_t WriteBody(char* data, size_t size, size_t count, void* write) {
  const size_t bytes = size * count;
  return (*static_cast<const BodyWriter*>(write))(data, bytes) ? bytes : 0;
}

// libcurl calls these at least once a second while a transfer runs; non-zero aborts it.
int CheckStop(void* stop, curl_off_t, curl_off_t, curl_off_t, curl_off_t) {
  return static_cast<const std::atomic<bool>*>(stop)->load() ? 1 : 0;
}

int ReportProgress(void* data, curl_off_t, curl_off_t, curl_off_t total, curl_off_t sent) {
  const auto& request = *static_cast<const PostRequest*>(data);
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

// What every request sets; reset first, which keeps the open connections and
// TLS sessions and drops the last request's options.
void SetCommonOptions(CURL* curl, const std::string& url, const std::string& agent, const Deadlines& deadlines,
                      char* errorText) {
  curl_easy_reset(curl);
  curl_easy_setopt(curl, CURLOPT_URL, url.c_str());
  curl_easy_setopt(curl, CURLOPT_USERAGENT, agent.c_str());
  curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT_MS, deadlines.connectMs);
  curl_easy_setopt(curl, CURLOPT_LOW_SPEED_LIMIT, 1L);
  curl_easy_setopt(curl, CURLOPT_LOW_SPEED_TIME, deadlines.stallSeconds);
  curl_easy_setopt(curl, CURLOPT_TIMEOUT_MS, deadlines.totalMs);
  curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
  curl_easy_setopt(curl, CURLOPT_ERRORBUFFER, errorText);
}

// Empty on success; else libcurl's own text for the failure.
std::string Perform(CURL* curl, const char* errorText) {
  const CURLcode code = curl_easy_perform(curl);
  curl_easy_setopt(curl, CURLOPT_ERRORBUFFER, nullptr);
  if (code == CURLE_OK) return "";
  return errorText[0] ? errorText : curl_easy_strerror(code);
}

// A POST connects and stalls for 5 s at most; as a whole it may take 30 s
// plus the time the body takes at 64 KiB/s.
Deadlines PostDeadlines(size_t bodySize) {
  constexpr long kConnectMilliseconds = 5000;
  constexpr long kStalledSeconds = 5;
  constexpr curl_off_t kBaseMilliseconds = 30000;
  constexpr curl_off_t kSlowestBytesPerSecond = 65536;
  const curl_off_t total = kBaseMilliseconds + static_cast<curl_off_t>(bodySize) * 1000 / kSlowestBytesPerSecond;
  return {kConnectMilliseconds, kStalledSeconds, static_cast<long>(total)};
}

}  // namespace

HttpClient::HttpClient() : curl_(NewHandle()) {}

HttpClient::~HttpClient() { curl_easy_cleanup(static_cast<CURL*>(curl_)); }

PostAnswer HttpClient::Post(const PostRequest& request) {
  CURL* curl = static_cast<CURL*>(curl_);
  if (!curl) return {0, "no HTTP client", false};
  HeaderList headers;
  headers.Add(request.contentType);
  headers.Add("Expect:");
  headers.Add("Accept:");
  char error[CURL_ERROR_SIZE] = "";
  AnswerRead read{curl};
  SetCommonOptions(curl, TargetBaseUrl(request.target), request.agent, PostDeadlines(request.body->size()), error);
  curl_easy_setopt(curl, CURLOPT_REQUEST_TARGET, request.script.c_str());
  curl_easy_setopt(curl, CURLOPT_POST, 1L);
  curl_easy_setopt(curl, CURLOPT_POSTFIELDS, request.body->data());
  curl_easy_setopt(curl, CURLOPT_POSTFIELDSIZE_LARGE, static_cast<curl_off_t>(request.body->size()));
  curl_easy_setopt(curl, CURLOPT_HTTPHEADER, headers.list);
  if (request.target.secure) curl_easy_setopt(curl, CURLOPT_HTTP_VERSION, CURL_HTTP_VERSION_1_1);
  if (request.relaxCertificate) {
    curl_easy_setopt(curl, CURLOPT_SSL_VERIFYPEER, 0L);
    curl_easy_setopt(curl, CURLOPT_SSL_VERIFYHOST, 0L);
  }
  // libcurl takes only the entry of the URL's host; redirects, which could
  // carry it elsewhere, stay off.
  if (request.credentials) curl_easy_setopt(curl, CURLOPT_NETRC, static_cast<long>(CURL_NETRC_OPTIONAL));
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
  const std::string failure = Perform(curl, error);
  // Once the answer's status and headers are in, a body cut short changes nothing.
  if (!failure.empty() && !read.headersComplete) return {0, failure, read.connected};
  long status = 0;
  curl_easy_getinfo(curl, CURLINFO_RESPONSE_CODE, &status);
  return {status, "", true};
}

std::string HttpClient::Get(const std::string& url, const Deadlines& deadlines, const BodyWriter& write,
                            const std::atomic<bool>* stop) {
  CURL* curl = static_cast<CURL*>(curl_);
  if (!curl) return "SendRequest ... error";
  char error[CURL_ERROR_SIZE] = "";
  SetCommonOptions(curl, url, DownloadAgent(), deadlines, error);
  curl_easy_setopt(curl, CURLOPT_HTTP_VERSION, CURL_HTTP_VERSION_1_1);
  curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "http,https");
  curl_easy_setopt(curl, CURLOPT_FOLLOWLOCATION, 1L);
  curl_easy_setopt(curl, CURLOPT_MAXREDIRS, kMaxRedirects);
  curl_easy_setopt(curl, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
  curl_easy_setopt(curl, CURLOPT_BUFFERSIZE, kReceiveBuffer);
  curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, WriteBody);
  curl_easy_setopt(curl, CURLOPT_WRITEDATA, &write);
  if (stop) {
    curl_easy_setopt(curl, CURLOPT_XFERINFOFUNCTION, CheckStop);
    curl_easy_setopt(curl, CURLOPT_XFERINFODATA, stop);
    curl_easy_setopt(curl, CURLOPT_NOPROGRESS, 0L);
  }
  return Perform(curl, error);
}

}  // namespace net
