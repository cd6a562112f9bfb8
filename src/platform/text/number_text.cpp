#include "platform/text/number_text.h"

#include <limits>

namespace platform {

namespace {

std::string_view SkipBlanks(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || (text.front() >= '\t' && text.front() <= '\r')))
    text.remove_prefix(1);
  return text;
}

}  // namespace

int64_t LeadingInt64(std::string_view text) {
  text = SkipBlanks(text);
  const bool negative = !text.empty() && text.front() == '-';
  if (!text.empty() && (text.front() == '-' || text.front() == '+')) text.remove_prefix(1);
  // Accumulate towards the negative side, which holds one value more.
  int64_t value = 0;
  constexpr int64_t kMin = std::numeric_limits<int64_t>::min();
  for (char c : text) {
    if (c < '0' || c > '9') break;
    const int digit = c - '0';
    value = (value < (kMin + digit) / 10) ? kMin : value * 10 - digit;
  }
  if (negative) return value;
  return value == kMin ? std::numeric_limits<int64_t>::max() : -value;
}

}  // namespace platform
