// Time sources of the program. Both the tick count and the wall clock can be
// replaced, and so can sleeping, so that waiting loops and time-named files can
// be driven without really waiting.
#pragma once

#include <cstdint>
#include <ctime>
#include <functional>
#include <string>

// Milliseconds of a steady clock.
uint64_t GetTickCount();

// Waits ms milliseconds, or hands them to the sleep hook when one is set.
void SleepMs(unsigned ms);

// An empty hook restores the real behaviour.
void SetSleepHook(std::function<void(unsigned)> hook);
void SetTickHook(std::function<uint64_t()> hook);
void SetWallClockHook(std::function<std::time_t()> hook);

// Seconds since the epoch, from the wall clock hook when one is set.
std::time_t WallClockNow();

// strftime of the given time (or of WallClockNow) in local time.
std::string FormatLocalTime(const char* format, std::time_t when);
std::string FormatLocalTime(const char* format);
