// The program's clock for the life of the object: sleeping only records the
// wish and moves the ticks on, and the wall time stands still, so no test ever waits.
#pragma once

#include <cstdint>
#include <ctime>
#include <vector>

#include "platform/system/clock.h"

class ManualClock : public platform::Clock {
 public:
  // Ticks start an hour after the previous clock's, so that state kept from an
  // earlier clock (the last progress refresh, say) never looks recent.
  ManualClock() : now(platform::CurrentClock().Now()), previous_(platform::CurrentClock()) {
    static uint64_t next = 1'000'000;
    ticks_ = next += 3'600'000;
    platform::SetClock(*this);
  }
  ~ManualClock() override { platform::SetClock(previous_); }

  std::time_t Now() override { return now; }
  uint64_t Ticks() override { return ticks_; }
  void Sleep(unsigned ms) override {
    sleeps.push_back(ms);
    ticks_ += ms;
  }

  void Advance(uint64_t ms) { ticks_ += ms; }
  // Seconds since the epoch; until set, the wall time at construction.
  std::time_t now;
  // Every Sleep request, in order.
  std::vector<unsigned> sleeps;

 private:
  platform::Clock& previous_;
  uint64_t ticks_ = 0;
};
