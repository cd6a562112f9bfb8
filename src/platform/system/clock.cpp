#include "platform/system/clock.h"

#include <chrono>
#include <thread>

namespace platform {

namespace {

Clock*& Installed() {
  static SystemClock system;
  static Clock* clock = &system;
  return clock;
}

}  // namespace

std::time_t SystemClock::Now() { return std::time(nullptr); }

uint64_t SystemClock::Ticks() {
  const auto since = std::chrono::steady_clock::now().time_since_epoch();
  return static_cast<uint64_t>(std::chrono::duration_cast<std::chrono::milliseconds>(since).count());
}

void SystemClock::Sleep(unsigned ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

void SetClock(Clock& clock) { Installed() = &clock; }
Clock& CurrentClock() { return *Installed(); }

std::string FormatLocalTime(const char* format, std::time_t when) {
  std::tm local{};
  if (localtime_r(&when, &local) == nullptr) return {};
  char text[256];
  const size_t length = std::strftime(text, sizeof text, format, &local);
  return std::string(text, length);
}

std::string FormatLocalTime(const char* format) { return FormatLocalTime(format, CurrentClock().Now()); }

}  // namespace platform
