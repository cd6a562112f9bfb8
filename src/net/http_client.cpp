#include "net/http_client.h"

#include <curl/curl.h>

#include <chrono>
#include <string_view>

#include "net/curl_ready.h"
#include "net/public_key_pin.h"
#include "net/upload_proxy.h"
#include "net/user_agent.h"

namespace net {
namespace {

constexpr long kMaxRedirects = 10;
constexpr long kReceiveBuffer = 1024;
// The status decides a POST; a short answer is read to its end only so that
// the connection can carry the next file.
constexpr size_t kLongestAnswerBody = 16384;
// No server needs more for its status and headers; a longer head is refused.
constexpr size_t kLongestAnswerHead = 65536;
// Until the body is handed over, nothing moving for this long ends the attempt.
constexpr std::chrono::seconds kStalledSending{5};

using SteadyClock = std::chrono::steady_clock;

// What came back for one POST, and how the transfer moves.
struct AnswerRead {
  CURL* curl = nullptr;
  const PostRequest* request = nullptr;
  bool connected = false;
  bool headersComplete = false;  // status and headers of the final answer are in
  size_t headBytes = 0;
  size_t bodyBytes = 0;
  curl_off_t sent = -1, received = -1;
  SteadyClock::time_point lastMove = SteadyClock::now();
  std::string stall;  // why the transfer was ended as stalled
};

int NoteConnected(void* read, char*, char*, int, int) {
  static_cast<AnswerRead*>(read)->connected = true;
  return CURL_PREREQFUNC_OK;
}

size_t ReadHeader(char* data, size_t size, size_t count, void* user) {
  auto* read = static_cast<AnswerRead*>(user);
  const std::string_view line(data, size * count);
  read->headBytes += line.size();
  if (read->headBytes > kLongestAnswerHead) return 0;
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

// A buffering proxy or a slow script holds the answer back after the last
// body byte: from then on the server has the answer time, not the stall time.
bool Stalled(AnswerRead& read, curl_off_t received, curl_off_t total, curl_off_t sent) {
  const SteadyClock::time_point now = SteadyClock::now();
  if (sent != read.sent || received != read.received) {
    read.sent = sent;
    read.received = received;
    read.lastMove = now;
    return false;
  }
  const bool bodyGone = total > 0 && sent >= total;
  const std::chrono::seconds limit = bodyGone ? std::chrono::seconds(read.request->answerSeconds) : kStalledSending;
  if (now - read.lastMove <= limit) return false;
  read.stall = bodyGone ? "no answer " + std::to_string(limit.count()) + " s after the request was sent"
                        : "nothing moved for " + std::to_string(limit.count()) + " s while sending";
  return true;
}

int ReportProgress(void* data, curl_off_t, curl_off_t received, curl_off_t total, curl_off_t sent) {
  auto& read = *static_cast<AnswerRead*>(data);
  const PostRequest& request = *read.request;
  if (request.observer) request.observer->OnBytesSent(static_cast<uint64_t>(sent), static_cast<uint64_t>(total));
  if (request.stop && *request.stop) return 1;
  return Stalled(read, received, total, sent) ? 1 : 0;
}

struct HeaderList {
  curl_slist* list = nullptr;
  ~HeaderList() { curl_slist_free_all(list); }
  void Add(const std::string& line) { list = curl_slist_append(list, line.c_str()); }
};

CURL* NewHandle() {
  return CurlReady() ? curl_easy_init() : nullptr;
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

struct Performed {
  CURLcode code;
  std::string failure;  // empty on success; else libcurl's own text
};

Performed Perform(CURL* curl, const char* errorText) {
  const CURLcode code = curl_easy_perform(curl);
  curl_easy_setopt(curl, CURLOPT_ERRORBUFFER, nullptr);
  if (code == CURLE_OK) return {code, ""};
  return {code, errorText[0] ? errorText : curl_easy_strerror(code)};
}

// A POST connects within 5 s; as a whole it may take 30 s plus the answer
// time plus the time the body takes at 64 KiB/s. Stalls are the progress
// callback's.
Deadlines PostDeadlines(size_t bodySize, long answerSeconds) {
  constexpr long kConnectMilliseconds = 5000;
  constexpr curl_off_t kBaseMilliseconds = 30000;
  constexpr curl_off_t kSlowestBytesPerSecond = 65536;
  const curl_off_t total = kBaseMilliseconds + curl_off_t{answerSeconds} * 1000 +
                           static_cast<curl_off_t>(bodySize) * 1000 / kSlowestBytesPerSecond;
  return {kConnectMilliseconds, 0, static_cast<long>(total)};
}

bool IsTlsFailure(CURLcode code) {
  switch (code) {
    case CURLE_SSL_CONNECT_ERROR:
    case CURLE_PEER_FAILED_VERIFICATION:
    case CURLE_SSL_CERTPROBLEM:
    case CURLE_SSL_CIPHER:
    case CURLE_SSL_CACERT_BADFILE:
    case CURLE_SSL_PINNEDPUBKEYNOTMATCH:
    case CURLE_SSL_INVALIDCERTSTATUS:
    case CURLE_SSL_ISSUER_ERROR: return true;
    default: return false;
  }
}

// The key of the first certificate the server showed on this connection.
std::string ShownKey(CURL* curl) {
  curl_certinfo* chain = nullptr;
  if (curl_easy_getinfo(curl, CURLINFO_CERTINFO, &chain) != CURLE_OK || !chain || chain->num_of_certs < 1) return "";
  constexpr std::string_view kField = "Cert:";
  for (const curl_slist* field = chain->certinfo[0]; field; field = field->next)
    if (std::string_view(field->data).starts_with(kField)) return PublicKeyPin(field->data + kField.size());
  return "";
}

// The certificate rule and the proxy of a POST and of its key probe; the
// proxy goes into the answer. Set here rather than left to libcurl so that
// the caller learns whether a proxy was in the way.
void SetPeerAndProxy(CURL* curl, const PostRequest& request, const UploadProxy& proxy) {
  curl_easy_setopt(curl, CURLOPT_PROXY, proxy.address.c_str());
  curl_easy_setopt(curl, CURLOPT_NOPROXY, proxy.bypass.c_str());
  if (!request.ownCertificate) return;
  curl_easy_setopt(curl, CURLOPT_SSL_VERIFYPEER, 0L);
  curl_easy_setopt(curl, CURLOPT_SSL_VERIFYHOST, 0L);
  curl_easy_setopt(curl, CURLOPT_CERTINFO, 1L);
  if (!request.pinnedKey.empty()) curl_easy_setopt(curl, CURLOPT_PINNEDPUBLICKEY, request.pinnedKey.c_str());
}

// What a failed transfer tells about the server.
void NoteFailure(PostAnswer& answer, CURLcode code, const std::string& failure) {
  answer.untrusted = IsTlsFailure(code);
  // libcurl runs out of memory on an answer head only at its own cap for one line.
  answer.answerTooLarge = answer.answerTooLarge || code == CURLE_OUT_OF_MEMORY;
  if (answer.error.empty()) answer.error = answer.answerTooLarge ? "answer head too long" : failure;
}

}  // namespace

HttpClient::HttpClient() : curl_(NewHandle()) {}

HttpClient::~HttpClient() { curl_easy_cleanup(static_cast<CURL*>(curl_)); }

PostAnswer HttpClient::Post(const PostRequest& request) {
  CURL* curl = static_cast<CURL*>(curl_);
  PostAnswer answer;
  answer.error = curl ? "" : "no HTTP client";
  if (!curl) return answer;
  HeaderList headers;
  headers.Add(request.contentType);
  headers.Add("Expect:");
  headers.Add("Accept:");
  char error[CURL_ERROR_SIZE] = "";
  AnswerRead read;
  read.curl = curl;
  read.request = &request;
  SetCommonOptions(curl, TargetBaseUrl(request.target), request.agent,
                   PostDeadlines(request.body->size(), request.answerSeconds), error);
  curl_easy_setopt(curl, CURLOPT_REQUEST_TARGET, request.script.c_str());
  curl_easy_setopt(curl, CURLOPT_POST, 1L);
  curl_easy_setopt(curl, CURLOPT_POSTFIELDS, request.body->data());
  curl_easy_setopt(curl, CURLOPT_POSTFIELDSIZE_LARGE, static_cast<curl_off_t>(request.body->size()));
  curl_easy_setopt(curl, CURLOPT_HTTPHEADER, headers.list);
  if (request.target.secure) curl_easy_setopt(curl, CURLOPT_HTTP_VERSION, CURL_HTTP_VERSION_1_1);
  const UploadProxy proxy = ProxyFromEnvironment(request.target.secure);
  SetPeerAndProxy(curl, request, proxy);
  // libcurl takes only the entry of the URL's host; redirects, which could
  // carry it elsewhere, stay off. A proxy reads a plain request whole.
  if (request.credentials && (request.target.secure || proxy.address.empty()))
    curl_easy_setopt(curl, CURLOPT_NETRC, static_cast<long>(CURL_NETRC_OPTIONAL));
  curl_easy_setopt(curl, CURLOPT_PREREQFUNCTION, NoteConnected);
  curl_easy_setopt(curl, CURLOPT_PREREQDATA, &read);
  curl_easy_setopt(curl, CURLOPT_HEADERFUNCTION, ReadHeader);
  curl_easy_setopt(curl, CURLOPT_HEADERDATA, &read);
  curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, ReadBody);
  curl_easy_setopt(curl, CURLOPT_WRITEDATA, &read);
  curl_easy_setopt(curl, CURLOPT_XFERINFOFUNCTION, ReportProgress);
  curl_easy_setopt(curl, CURLOPT_XFERINFODATA, &read);
  curl_easy_setopt(curl, CURLOPT_NOPROGRESS, 0L);
  const Performed performed = Perform(curl, error);
  answer.proxy = proxy.address;
  if (request.ownCertificate) answer.serverKey = ShownKey(curl);
  // Once the answer's status and headers are in, a body cut short changes nothing.
  if (performed.code != CURLE_OK && !read.headersComplete) {
    answer.connected = read.connected;
    answer.answerTooLarge = read.headBytes > kLongestAnswerHead;
    answer.error = read.stall;
    NoteFailure(answer, performed.code, performed.failure);
    return answer;
  }
  answer.connected = true;
  curl_easy_getinfo(curl, CURLINFO_RESPONSE_CODE, &answer.status);
  if (const char* location = nullptr; curl_easy_getinfo(curl, CURLINFO_REDIRECT_URL, &location) == CURLE_OK && location)
    answer.location = location;
  return answer;
}

PostAnswer HttpClient::ProbeServerKey(const PostRequest& request) {
  CURL* curl = static_cast<CURL*>(curl_);
  PostAnswer answer;
  answer.error = curl ? "" : "no HTTP client";
  if (!curl) return answer;
  char error[CURL_ERROR_SIZE] = "";
  SetCommonOptions(curl, TargetBaseUrl(request.target), request.agent, PostDeadlines(0, 0), error);
  curl_easy_setopt(curl, CURLOPT_CONNECT_ONLY, 1L);
  const UploadProxy proxy = ProxyFromEnvironment(request.target.secure);
  SetPeerAndProxy(curl, request, proxy);
  const Performed performed = Perform(curl, error);
  answer.proxy = proxy.address;
  answer.connected = performed.code == CURLE_OK;
  answer.serverKey = ShownKey(curl);
  if (!answer.connected) NoteFailure(answer, performed.code, performed.failure);
  return answer;
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
  return Perform(curl, error).failure;
}

}  // namespace net
