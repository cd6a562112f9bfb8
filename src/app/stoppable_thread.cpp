#include "app/stoppable_thread.h"

#include <utility>

#include "app/notices_to_standard_error.h"

namespace app {

void StoppableThread::Start(Work work) {
  Wait();
  stop_ = false;
  thread_ = std::thread([this, work = std::move(work)] {
    NoticesToStandardError ui;
    platform::InstallUserInterface(&ui);
    work(stop_);
    platform::InstallUserInterface(nullptr);
  });
}

void StoppableThread::Wait() {
  if (thread_.joinable()) thread_.join();
}

void StoppableThread::Stop() {
  stop_ = true;
  Wait();
}

}  // namespace app
