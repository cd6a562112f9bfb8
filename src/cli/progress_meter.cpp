#include "cli/progress_meter.h"

#include <cstdint>
#include <cstdio>

namespace cli {
namespace {

constexpr uint64_t kKiB = 1024;
constexpr uint64_t kMiB = kKiB * kKiB;

// One decimal in the given unit.
std::string InUnit(uint64_t bytes, uint64_t unit) {
  char text[32];
  std::snprintf(text, sizeof text, "%.1f", static_cast<double>(bytes) / static_cast<double>(unit));
  return text;
}

}  // namespace

std::string MeterLine(const publish::Progress& progress) {
  std::string line = std::to_string(progress.file) + "/" + std::to_string(progress.files) + " files";
  const uint64_t sent = progress.bytesDone, total = progress.bytesTotal;
  if (total == 0) return line;
  const std::string share = "  " + std::to_string(publish::BytesPercent(progress)) + "%";
  if (total < kKiB) return line + "  " + std::to_string(sent) + " of " + std::to_string(total) + " B" + share;
  const uint64_t unit = total < kMiB ? kKiB : kMiB;
  return line + "  " + InUnit(sent, unit) + " of " + InUnit(total, unit) + (unit == kKiB ? " KiB" : " MiB") + share;
}

}  // namespace cli
