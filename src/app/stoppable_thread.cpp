#include "app/stoppable_thread.h"

#include <iostream>
#include <utility>

#include "platform/system/feedback.h"

namespace app {

namespace {

// A worker touches no window: its boxes take their default answer, its
// progress is not drawn and its notices go straight to standard error.
class WorkerInterface : public platform::UserInterface {
 public:
  platform::Answer ShowMessageBox(const std::string&, platform::BoxStyle style) override {
    return platform::DefaultAnswer(style);
  }
  void ShowProgressTitle(const std::string&) override {}
  void PumpMessages() override {}
  void ShowNotice(const std::string& notice) override { std::cerr << notice << std::endl; }
};

}  // namespace

void StoppableThread::Start(Work work) {
  Wait();
  stop_ = false;
  thread_ = std::thread([this, work = std::move(work)] {
    WorkerInterface ui;
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
