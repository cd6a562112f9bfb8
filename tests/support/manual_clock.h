// The program's clock for the life of the object: sleeping only records the
// wish and moves the ticks on, and the wall time stands still, so no test ever waits.
#pragma once

#include <cstdint>
#include <ctime>
#include <vector>

#include "platform/clock.h"

class ManualClock : public platform::Clock {
 public:
  // Installs itself; ticks start an hour after the previous clock's, so that
  // state kept from an earlier clock (the last progress refresh, say) never looks recent.
  ManualClock();
  ~ManualClock() override;
  ManualClock(const ManualClock&) = delete;
  ManualClock& operator=(const ManualClock&) = delete;

  std::time_t Now() override;
  uint64_t Ticks() override;
  void Sleep(unsigned ms) override;

  void Advance(uint64_t ms);
  // Every Sleep request, in order.
  const std::vector<unsigned>& Sleeps() const;
  // Seconds since the epoch; until set, the wall time at construction.
  void SetNow(std::time_t when);

 private:
  platform::Clock& previous_;
  std::time_t now_;
  uint64_t ticks_;
  std::vector<unsigned> sleeps_;
};
