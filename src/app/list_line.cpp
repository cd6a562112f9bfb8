#include "app/list_line.h"

#include <cstdio>
#include <ctime>

#include "platform/fs/file_status.h"
#include "platform/system/clock.h"
#include "platform/text/path_text.h"

namespace app {
namespace {

struct SizeUnit {
  uint64_t divisor;
  const char* suffix;
  int width;
  int decimals;
};

SizeUnit ChooseUnit(uint64_t size) {
  constexpr const char* kSuffixes[] = {" K", " M", " G", " T", " P", " E"};
  for (int power = 6; power >= 1; --power) {
    const uint64_t divisor = uint64_t{1} << (10 * power);
    if (size >= divisor) return {divisor, kSuffixes[power - 1], 6, 2};
  }
  return {1, " ", 7, 0};
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Inserts ',' after every third integer digit counted from the right; the
// fill blanks and the fraction stay as they are.
void InsertThousandsSeparators(std::string& text) {
  size_t end = text.find('.');
  if (end == std::string::npos) end = text.size();
  int digits = 0;
  for (size_t i = end; i > 0 && IsDigit(text[i - 1]); --i) {
    if (++digits % 3 == 0 && i > 1 && IsDigit(text[i - 2])) text.insert(i - 1, ",");
  }
}

}  // namespace

std::string SizeField(uint64_t size) {
  const SizeUnit unit = ChooseUnit(size);
  const float value = static_cast<float>(size) / static_cast<float>(unit.divisor);
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%*.*f", unit.width, unit.decimals, static_cast<double>(value));
  std::string text = buffer;
  InsertThousandsSeparators(text);
  return text + unit.suffix;
}

std::string ListLine(const std::string& path) {
  const platform::FileStatus status(path);
  return platform::FormatLocalTime("%Y/%m/%d %H:%M:%S", static_cast<std::time_t>(status.ModifiedTime())) + " " +
         SizeField(static_cast<uint64_t>(status.Size())) + "バイト " + platform::GetFileName(path);
}

}  // namespace app
