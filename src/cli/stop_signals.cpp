#include "cli/stop_signals.h"

#include <csignal>

namespace cli {
namespace {

// A signal handler reaches only what has static storage; one StopSignals lives at a time.
std::atomic<bool> stopRequested{false};
volatile std::sig_atomic_t arrivedSignal = 0;
struct sigaction earlierInterrupt {};
struct sigaction earlierTerminate {};

static_assert(std::atomic<bool>::is_always_lock_free, "set from a signal handler");

void RequestStop(int signal) {
  arrivedSignal = signal;
  stopRequested = true;
}

}  // namespace

StopSignals::StopSignals() {
  stopRequested = false;
  arrivedSignal = 0;
  struct sigaction action {};
  action.sa_handler = RequestStop;
  sigemptyset(&action.sa_mask);
  sigaction(SIGINT, &action, &earlierInterrupt);
  sigaction(SIGTERM, &action, &earlierTerminate);
}

StopSignals::~StopSignals() {
  sigaction(SIGINT, &earlierInterrupt, nullptr);
  sigaction(SIGTERM, &earlierTerminate, nullptr);
}

const std::atomic<bool>& StopSignals::Flag() const { return stopRequested; }

int StopSignals::Signal() const { return arrivedSignal; }

}  // namespace cli
