#include "support/fake_clock.h"

#include "platform/clock.h"

namespace {

uint64_t NextStart() {
  static uint64_t next = 1'000'000;
  return next += 3'600'000;
}

}  // namespace

FakeClock::FakeClock() : tick_(NextStart()) {
  SetTickHook([this] { return tick_; });
  SetSleepHook([this](unsigned ms) {
    sleeps_.push_back(ms);
    tick_ += ms;
  });
}

FakeClock::~FakeClock() {
  SetTickHook(nullptr);
  SetSleepHook(nullptr);
  SetWallClockHook(nullptr);
}

void FakeClock::Advance(uint64_t ms) { tick_ += ms; }

const std::vector<unsigned>& FakeClock::Sleeps() const { return sleeps_; }

void FakeClock::SetWallClock(std::time_t when) {
  SetWallClockHook([when] { return when; });
}
