// A worker thread of the window with its own stop request. The worker posts
// to the window, so the window waits for it before it goes.
#pragma once

#include <atomic>
#include <functional>
#include <thread>

namespace app {

class StoppableThread {
 public:
  using Work = std::function<void(const std::atomic<bool>& stop)>;

  StoppableThread() = default;
  ~StoppableThread() { Stop(); }
  StoppableThread(const StoppableThread&) = delete;
  StoppableThread& operator=(const StoppableThread&) = delete;

  // Runs work on a new thread with a fresh stop request; an earlier thread
  // is waited for first.
  void Start(Work work);
  // Waits for the thread to end.
  void Wait();
  // Asks the thread to stop, then waits for it.
  void Stop();
  // Started and not yet waited for.
  bool Active() const { return thread_.joinable(); }

 private:
  std::atomic<bool> stop_{false};
  std::thread thread_;
};

}  // namespace app
