// Replaces the program's clocks for the life of the object: sleeping only
// records the wish and moves the tick count on, so no test ever waits.
#pragma once

#include <cstdint>
#include <ctime>
#include <vector>

class FakeClock {
 public:
  // Each clock starts an hour after the previous one, so that state kept from
  // an earlier clock (the last progress refresh, say) never looks recent.
  FakeClock();
  ~FakeClock();
  FakeClock(const FakeClock&) = delete;
  FakeClock& operator=(const FakeClock&) = delete;

  void Advance(uint64_t ms);
  // Every SleepMs request, in order.
  const std::vector<unsigned>& Sleeps() const;
  // Fixes the wall clock (seconds since the epoch).
  void SetWallClock(std::time_t when);

 private:
  uint64_t tick_;
  std::vector<unsigned> sleeps_;
};
