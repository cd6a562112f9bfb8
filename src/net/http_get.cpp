#include "net/http_get.h"

#include <curl/curl.h>

#include <cstdio>
#include <memory>

#include "net/move_aside.h"
#include "net/parse_url.h"
#include "net/u_agent.h"
#include "platform/debug_log.h"
#include "platform/file_io.h"
#include "platform/file_operations.h"

namespace net {
namespace {

constexpr long kReceiveBuffer = 1024;
constexpr int kOpenWaitSeconds = 10;
constexpr long kMaxRedirects = 10;

// The local file, opened when the first piece of the body arrives; a body
// past maxBytes is refused.
class BodySink {
 public:
  BodySink(std::string path, size_t maxBytes) : path_(std::move(path)), maxBytes_(maxBytes) {}
  ~BodySink() { Close(); }

  bool Write(const char* data, size_t size) {
    written_ += size;
    if (TooLarge() || !Open()) return false;
    return std::fwrite(data, 1, size, file_) == size;
  }
  // Opens when nothing was written yet, so an empty body gives an empty file.
  bool Open() {
    if (file_) return true;
    if (failed_) return false;
    file_ = platform::OpenFileWait(path_, "wb", kOpenWaitSeconds);
    if (!file_) {
      failed_ = true;
      DbgLog("Can't open wb  " + path_);
    }
    return file_ != nullptr;
  }
  void Close() {
    if (file_) std::fclose(file_);
    file_ = nullptr;
  }
  // A body cut off halfway is no copy of the page.
  void Discard() {
    const bool written = file_ != nullptr;
    Close();
    if (written) platform::RemoveFile(path_);
  }
  // Why the body was refused; empty when it was not.
  std::string Refusal() const {
    if (TooLarge()) return "Body larger than " + std::to_string(maxBytes_) + " bytes";
    return failed_ ? "Can't open wb  " + path_ : "";
  }

 private:
  bool TooLarge() const { return written_ > maxBytes_; }

  std::string path_;
  size_t maxBytes_;
  size_t written_ = 0;
  FILE* file_ = nullptr;
  bool failed_ = false;
};

size_t WriteBody(char* data, size_t size, size_t count, void* sink) {
  const size_t bytes = size * count;
  return static_cast<BodySink*>(sink)->Write(data, bytes) ? bytes : 0;
}

// Non-zero aborts the transfer.
int CheckStop(void* stop, curl_off_t, curl_off_t, curl_off_t, curl_off_t) {
  return static_cast<const std::atomic<bool>*>(stop)->load() ? 1 : 0;
}

using EasyHandle = std::unique_ptr<CURL, decltype(&curl_easy_cleanup)>;

void SetRequestOptions(CURL* curl, const ParsedUrl& url, const DownloadLimits& limits, BodySink& sink,
                       char* errorText) {
  curl_easy_setopt(curl, CURLOPT_URL, url.Url().c_str());
  curl_easy_setopt(curl, CURLOPT_USERAGENT, u_agent().c_str());
  curl_easy_setopt(curl, CURLOPT_HTTP_VERSION, CURL_HTTP_VERSION_1_1);
  curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "http,https");
  curl_easy_setopt(curl, CURLOPT_FOLLOWLOCATION, 1L);
  curl_easy_setopt(curl, CURLOPT_MAXREDIRS, kMaxRedirects);
  curl_easy_setopt(curl, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
  curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT_MS, limits.connectTimeoutMs);
  curl_easy_setopt(curl, CURLOPT_LOW_SPEED_LIMIT, 1L);
  curl_easy_setopt(curl, CURLOPT_LOW_SPEED_TIME, limits.stallSeconds);
  curl_easy_setopt(curl, CURLOPT_TIMEOUT_MS, limits.totalMs);
  curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
  curl_easy_setopt(curl, CURLOPT_BUFFERSIZE, kReceiveBuffer);
  curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, &WriteBody);
  curl_easy_setopt(curl, CURLOPT_WRITEDATA, &sink);
  curl_easy_setopt(curl, CURLOPT_ERRORBUFFER, errorText);
  if (!limits.stop) return;
  curl_easy_setopt(curl, CURLOPT_XFERINFOFUNCTION, &CheckStop);
  curl_easy_setopt(curl, CURLOPT_XFERINFODATA, limits.stop);
  curl_easy_setopt(curl, CURLOPT_NOPROGRESS, 0L);
}

// Empty on success, else the reason the body could not be stored.
std::string Download(const ParsedUrl& url, const std::string& localPath, const DownloadLimits& limits) {
  EasyHandle curl(curl_easy_init(), &curl_easy_cleanup);
  if (!curl) return "SendRequest ... error";
  BodySink sink(localPath, limits.maxBytes);
  char errorText[CURL_ERROR_SIZE] = {};
  SetRequestOptions(curl.get(), url, limits, sink, errorText);
  const CURLcode result = curl_easy_perform(curl.get());
  if (result == CURLE_OK && sink.Open()) return "";
  sink.Discard();
  const std::string refusal = sink.Refusal();
  if (!refusal.empty()) return refusal;
  return errorText[0] ? errorText : curl_easy_strerror(result);
}

}  // namespace

bool HttpGet(const std::string& prefix, const std::string& tail, const std::string& localPath,
             const TraceSink& trace, const DownloadLimits& limits) {
  MoveAside(localPath);
  const std::string address = prefix + tail;
  const auto url = ParseUrl(address);
  if (!url) {
    trace(TraceStream::Error, "Failed AfxParseURL |" + address + "\n");
    return false;
  }
  const std::string failure = Download(*url, localPath, limits);
  if (failure.empty()) return true;
  trace(TraceStream::Error, url->host + "\t" + std::to_string(url->port) + "\t" + failure + "\n");
  return false;
}

}  // namespace net
