// Runs HTTP requests side by side on libcurl's multi interface: up to N at
// once over connections the pool keeps open (HTTP/2 streams where the server
// multiplexes). A request is asked for only when a slot is free, so at most
// N are ever in memory.
#pragma once

#include <curl/curl.h>

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

namespace net {

// One request: it sets its own options on a handle and is told how it ended.
class Transfer {
 public:
  virtual ~Transfer() = default;
  // The handle comes reset, its connections kept. False: the request failed
  // before anything was sent (and the transfer knows why).
  virtual bool Configure(CURL* handle) = 0;
  // False counts as a failure.
  virtual bool Finish(CURLcode result, CURL* handle) = 0;
};

// The next request, or nullptr when none is ready yet: asked again after
// another transfer ends; nullptr while nothing runs ends the run.
using NextTransfer = std::function<std::unique_ptr<Transfer>()>;

// Request body bytes sent so far, over every transfer of the run.
using SentBytes = std::function<void(uint64_t sent)>;

class TransferPool {
 public:
  explicit TransferPool(unsigned parallel);
  ~TransferPool();
  TransferPool(const TransferPool&) = delete;
  TransferPool& operator=(const TransferPool&) = delete;

  // True when every transfer finished well. After a failure or once *stop is
  // set no new transfer starts; running ones finish, or are aborted by the stop.
  bool Run(const NextTransfer& next, const std::atomic<bool>* stop = nullptr, const SentBytes& progress = {});

 private:
  struct Slot {
    TransferPool* pool = nullptr;
    CURL* handle = nullptr;
    std::unique_ptr<Transfer> transfer;
    uint64_t sent = 0;
  };
  static int OnProgress(void* slot, curl_off_t, curl_off_t, curl_off_t, curl_off_t sent);
  bool Start(Slot& slot, std::unique_ptr<Transfer> transfer);
  bool FinishDone();
  bool AbandonRunning();
  bool Stopped() const { return stop_ && stop_->load(); }

  CURLM* multi_;
  std::vector<Slot> slots_;
  size_t running_ = 0;
  const std::atomic<bool>* stop_ = nullptr;
  SentBytes progress_;
  uint64_t finishedBytes_ = 0, reportedBytes_ = 0;
};

}  // namespace net
