#include "platform/file_io.h"

#include <algorithm>
#include <cerrno>

#include "platform/clock.h"
#include "platform/debug_log.h"
#include "platform/file_status.h"

namespace platform {
namespace {

constexpr unsigned kOpenRetryMs = 100;
constexpr unsigned kRewriteWaitMs = 10;
constexpr int kMaxRewrites = 10;
constexpr int kWaitSeconds = 10;

// Reads to the end of the stream, whatever size the status reported;
// false on a read error.
bool ReadAll(FILE* file, Bytes& bytes) {
  unsigned char chunk[65536];
  size_t got = 0;
  while ((got = std::fread(chunk, 1, sizeof chunk, file)) > 0) bytes.insert(bytes.end(), chunk, chunk + got);
  return !std::ferror(file);
}

// Writes and closes; false when either fails.
bool WriteAndClose(FILE* file, const Bytes& bytes) {
  const bool written = bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  const bool closed = std::fclose(file) == 0;
  return written && closed;
}

}  // namespace

FILE* OpenFileWait(const std::string& path, const char* mode, int seconds) {
  if (path.empty()) return nullptr;
  const int attempts = std::max(seconds * 10, 1);
  for (int attempt = 1;; ++attempt) {
    if (FILE* file = std::fopen(path.c_str(), mode)) return file;
    if (attempt >= attempts) return nullptr;
    CurrentClock().Sleep(kOpenRetryMs);
  }
}

Bytes ReadFileBytes(const std::string& path) {
  FILE* file = OpenFileWait(path, "rb", kWaitSeconds);
  if (!file) {
    DbgLog("Can't open rb  " + path);
    return {};
  }
  Bytes bytes;
  bytes.reserve(static_cast<size_t>(std::max<int64_t>(FileStatus(path).Size(), 0)));
  const bool complete = ReadAll(file, bytes);
  std::fclose(file);
  if (!complete) {
    DbgLog("Can't read rb  " + path);
    return {};
  }
  return bytes;
}

bool WriteFileBytes(const std::string& path, const Bytes& bytes) {
  for (int rewrites = 0;; ++rewrites) {
    FILE* file = OpenFileWait(path, "wb", kWaitSeconds);
    if (!file) {
      DbgLog("Can't open wb  " + path);
      return false;
    }
    if (!WriteAndClose(file, bytes)) {
      DbgLog("Can't write wb  " + path);
      return false;
    }
    // A share may report the new file as empty for a moment: write it again.
    if (bytes.empty() || FileStatus(path).Size() != 0) return true;
    if (rewrites > kMaxRewrites) return false;
    CurrentClock().Sleep(kRewriteWaitMs);
  }
}

}  // namespace platform
