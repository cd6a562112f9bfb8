#include "platform/file_wait.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdint>
#include <memory>

#include "platform/clock.h"
#include "platform/feedback.h"
#include "platform/file_status.h"
#include "platform/profile_location.h"
#include "platform/registry.h"

namespace platform {

namespace {

// The cause the platform gives when another program holds the file.
constexpr int kSharingViolation = EAGAIN;
constexpr int kDefaultWaitSeconds = 10;
constexpr unsigned kRetryMs = 100;

int WaitSeconds() { return RegAccess(GetFamilyKey() + "\\FileWait").GetInt("Wait_MaxCount_sec", kDefaultWaitSeconds); }

FILE* OpenWaiting(const std::string& path, const char* mode, const char* title, const FileOpener& open) {
  if (path.empty()) return nullptr;
  if (!FileExists(path)) return open(path, mode);
  // At least one try, whatever the registry says.
  const int tries = static_cast<int>(std::clamp<int64_t>(int64_t{WaitSeconds()} * 10, 1, INT_MAX));
  std::unique_ptr<WaitingNotice> notice;
  for (int i = 0; i < tries; ++i) {
    errno = 0;
    if (FILE* file = open(path, mode)) return file;
    if (errno != kSharingViolation) return nullptr;
    if (!notice) notice = std::make_unique<WaitingNotice>(title + path, static_cast<unsigned>(tries));
    notice->Step();
    CurrentClock().Sleep(kRetryMs);
  }
  return nullptr;
}

}  // namespace

FILE* OpenFileOnce(const std::string& path, const char* mode) { return std::fopen(path.c_str(), mode); }

FILE* FileWaitOpenRead(const std::string& path, const FileOpener& open) {
  return OpenWaiting(path, "rb", "FileWait OpenRead  ", open);
}

FILE* FileWaitOpenWrite(const std::string& path, const FileOpener& open) {
  return OpenWaiting(path, "wb", "FileWait OpenWrite ", open);
}

}  // namespace platform
