#include "support/manual_clock.h"

namespace {

uint64_t NextStart() {
  static uint64_t next = 1'000'000;
  return next += 3'600'000;
}

}  // namespace

ManualClock::ManualClock() : previous_(platform::CurrentClock()), now_(previous_.Now()), ticks_(NextStart()) {
  platform::SetClock(*this);
}

ManualClock::~ManualClock() { platform::SetClock(previous_); }

std::time_t ManualClock::Now() { return now_; }
uint64_t ManualClock::Ticks() { return ticks_; }

void ManualClock::Sleep(unsigned ms) {
  sleeps_.push_back(ms);
  ticks_ += ms;
}

void ManualClock::Advance(uint64_t ms) { ticks_ += ms; }

const std::vector<unsigned>& ManualClock::Sleeps() const { return sleeps_; }

void ManualClock::SetNow(std::time_t when) { now_ = when; }
