#include "net/http_get.h"

#include <cstdio>

#include "net/http_client.h"
#include "net/move_aside.h"
#include "net/parse_url.h"
#include "platform/fs/debug_log.h"
#include "platform/fs/file_io.h"
#include "platform/fs/file_operations.h"

namespace net {
namespace {

constexpr int kOpenWaitSeconds = 10;

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
      platform::DbgLog("Can't open wb  " + path_);
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

// Empty on success, else the reason the body could not be stored.
std::string Download(const ParsedUrl& url, const std::string& localPath, const DownloadLimits& limits) {
  BodySink sink(localPath, limits.maxBytes);
  HttpClient client;
  const std::string error =
      client.Get(url.Url(), {limits.connectTimeoutMs, limits.stallSeconds, limits.totalMs},
                 [&sink](const char* data, size_t size) { return sink.Write(data, size); }, limits.stop);
  if (error.empty() && sink.Open()) return "";
  sink.Discard();
  const std::string refusal = sink.Refusal();
  return refusal.empty() ? error : refusal;
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
