#include "platform/clock.h"

#include <chrono>
#include <thread>

namespace {

std::function<void(unsigned)>& SleepHook() {
  static std::function<void(unsigned)> hook;
  return hook;
}

std::function<uint64_t()>& TickHook() {
  static std::function<uint64_t()> hook;
  return hook;
}

std::function<std::time_t()>& WallClockHook() {
  static std::function<std::time_t()> hook;
  return hook;
}

}  // namespace

uint64_t GetTickCount() {
  if (TickHook()) return TickHook()();
  const auto since = std::chrono::steady_clock::now().time_since_epoch();
  return static_cast<uint64_t>(std::chrono::duration_cast<std::chrono::milliseconds>(since).count());
}

void SleepMs(unsigned ms) {
  if (SleepHook()) {
    SleepHook()(ms);
    return;
  }
  std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

void SetSleepHook(std::function<void(unsigned)> hook) { SleepHook() = std::move(hook); }
void SetTickHook(std::function<uint64_t()> hook) { TickHook() = std::move(hook); }
void SetWallClockHook(std::function<std::time_t()> hook) { WallClockHook() = std::move(hook); }

std::time_t WallClockNow() { return WallClockHook() ? WallClockHook()() : std::time(nullptr); }

std::string FormatLocalTime(const char* format, std::time_t when) {
  std::tm local{};
  localtime_r(&when, &local);
  char text[128];
  const size_t length = std::strftime(text, sizeof text, format, &local);
  return std::string(text, length);
}

std::string FormatLocalTime(const char* format) { return FormatLocalTime(format, WallClockNow()); }
