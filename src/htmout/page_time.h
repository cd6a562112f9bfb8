// Time texts written into pages.
#pragma once

#include <string>

// How pages write a moment: 2021/07/07 16:51:38.
constexpr const char* kPageTimeFormat = "%Y/%m/%d %H:%M:%S";

// The local time now in a strftime format; empty when it cannot be had.
std::string LocalTimeText(const char* format);

// A time text read with one strftime format and written with another; empty
// when it does not parse.
std::string ReformatTime(const std::string& text, const char* readFormat, const char* writeFormat);
