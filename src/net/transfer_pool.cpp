#include "net/transfer_pool.h"

#include <algorithm>

#include "net/curl_ready.h"

namespace net {
namespace {

// curl_multi_poll wakes at libcurl's own timeouts too; this is its longest sleep.
constexpr int kPollMilliseconds = 1000;

CURLM* NewMulti(unsigned parallel) {
  CURLM* multi = CurlReady() ? curl_multi_init() : nullptr;
  if (!multi) return nullptr;
  curl_multi_setopt(multi, CURLMOPT_PIPELINING, CURLPIPE_MULTIPLEX);
  curl_multi_setopt(multi, CURLMOPT_MAX_HOST_CONNECTIONS, static_cast<long>(parallel));
  curl_multi_setopt(multi, CURLMOPT_MAXCONNECTS, static_cast<long>(parallel));
  return multi;
}

}  // namespace

TransferPool::TransferPool(unsigned parallel) : multi_(NewMulti(std::max(parallel, 1U))), slots_(std::max(parallel, 1U)) {
  for (Slot& slot : slots_) {
    slot.pool = this;
    slot.handle = multi_ ? curl_easy_init() : nullptr;
  }
}

TransferPool::~TransferPool() {
  for (Slot& slot : slots_) {
    if (slot.transfer) curl_multi_remove_handle(multi_, slot.handle);
    curl_easy_cleanup(slot.handle);
  }
  curl_multi_cleanup(multi_);
}

int TransferPool::OnProgress(void* data, curl_off_t, curl_off_t, curl_off_t, curl_off_t sent) {
  auto& slot = *static_cast<Slot*>(data);
  TransferPool& pool = *slot.pool;
  slot.sent = static_cast<uint64_t>(sent);
  uint64_t total = pool.finishedBytes_;
  for (const Slot& other : pool.slots_) total += other.sent;
  if (pool.progress_ && total != pool.reportedBytes_) pool.progress_(total);
  pool.reportedBytes_ = total;
  return pool.Stopped() ? 1 : 0;
}

bool TransferPool::Start(Slot& slot, std::unique_ptr<Transfer> transfer) {
  curl_easy_reset(slot.handle);
  if (!transfer->Configure(slot.handle)) return false;
  // Wait for a connection that may multiplex rather than open one more.
  curl_easy_setopt(slot.handle, CURLOPT_PIPEWAIT, 1L);
  curl_easy_setopt(slot.handle, CURLOPT_NOSIGNAL, 1L);
  curl_easy_setopt(slot.handle, CURLOPT_PRIVATE, &slot);
  curl_easy_setopt(slot.handle, CURLOPT_NOPROGRESS, 0L);
  curl_easy_setopt(slot.handle, CURLOPT_XFERINFOFUNCTION, OnProgress);
  curl_easy_setopt(slot.handle, CURLOPT_XFERINFODATA, &slot);
  if (curl_multi_add_handle(multi_, slot.handle) != CURLM_OK) return transfer->Finish(CURLE_FAILED_INIT, slot.handle);
  slot.transfer = std::move(transfer);
  slot.sent = 0;
  ++running_;
  return true;
}

// Hands every ended transfer its result; false when one of them failed.
bool TransferPool::FinishDone() {
  bool ok = true;
  int queued = 0;
  while (CURLMsg* message = curl_multi_info_read(multi_, &queued)) {
    if (message->msg != CURLMSG_DONE) continue;
    Slot* slot = nullptr;
    curl_easy_getinfo(message->easy_handle, CURLINFO_PRIVATE, reinterpret_cast<char**>(&slot));
    const CURLcode result = message->data.result;
    curl_multi_remove_handle(multi_, slot->handle);
    finishedBytes_ += slot->sent;
    slot->sent = 0;
    ok = slot->transfer->Finish(result, slot->handle) && ok;
    slot->transfer.reset();
    --running_;
  }
  return ok;
}

// The multi handle itself failed (out of memory): every running transfer ends unfinished.
bool TransferPool::AbandonRunning() {
  for (Slot& slot : slots_) {
    if (!slot.transfer) continue;
    curl_multi_remove_handle(multi_, slot.handle);
    slot.transfer->Finish(CURLE_OUT_OF_MEMORY, slot.handle);
    slot.transfer.reset();
  }
  running_ = 0;
  return false;
}

bool TransferPool::Run(const NextTransfer& next, const std::atomic<bool>* stop, const SentBytes& progress) {
  if (!multi_) return false;
  stop_ = stop;
  progress_ = progress;
  finishedBytes_ = reportedBytes_ = 0;
  bool ok = true;
  for (;;) {
    for (Slot& slot : slots_) {
      if (!ok || Stopped()) break;
      if (slot.transfer) continue;
      std::unique_ptr<Transfer> transfer = next();
      if (!transfer) break;
      ok = Start(slot, std::move(transfer));
    }
    if (running_ == 0) break;
    int active = 0;
    const size_t before = running_;
    if (curl_multi_perform(multi_, &active) != CURLM_OK) return AbandonRunning();
    ok = FinishDone() && ok;
    if (running_ == before && curl_multi_poll(multi_, nullptr, 0, kPollMilliseconds, nullptr) != CURLM_OK)
      return AbandonRunning();
  }
  return ok && !Stopped();
}

}  // namespace net
