#include "htmout/page_time.h"

#include <ctime>
#include <iomanip>
#include <sstream>

namespace {

std::string FormatTime(const std::tm& time, const char* format) {
  std::ostringstream out;
  out << std::put_time(&time, format);
  return out.str();
}

}  // namespace

std::string LocalTimeText(const char* format) {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  if (now == static_cast<std::time_t>(-1) || localtime_r(&now, &local) == nullptr)
    return {};
  return FormatTime(local, format);
}

std::string ReformatTime(const std::string& text, const char* readFormat, const char* writeFormat) {
  std::tm time{};
  std::istringstream in(text);
  in >> std::get_time(&time, readFormat);
  if (in.fail())
    return {};
  return FormatTime(time, writeFormat);
}
