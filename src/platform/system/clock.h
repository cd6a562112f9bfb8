// The program's one time source: wall time, a steady tick count and sleeping,
// behind a small interface so that waiting loops and time-named files can be
// driven without really waiting.
#pragma once

#include <cstdint>
#include <ctime>
#include <string>

namespace platform {

class Clock {
 public:
  virtual ~Clock() = default;
  // Seconds since the epoch.
  virtual std::time_t Now() = 0;
  // Milliseconds of a steady clock.
  virtual uint64_t Ticks() = 0;
  // Waits ms milliseconds.
  virtual void Sleep(unsigned ms) = 0;
};

// The real clocks of the system.
class SystemClock : public Clock {
 public:
  std::time_t Now() override;
  uint64_t Ticks() override;
  void Sleep(unsigned ms) override;
};

// Process-wide because the clock is read many calls deep in every layer (file retries, progress, time-named folders).
// Until set: a SystemClock; the clock must outlive its installation.
void SetClock(Clock& clock);
Clock& CurrentClock();

// strftime of the given time (or of CurrentClock().Now()) in local time; empty
// when the time has no local form.
std::string FormatLocalTime(const char* format, std::time_t when);
std::string FormatLocalTime(const char* format);

}  // namespace platform
