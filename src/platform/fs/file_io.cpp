#include "platform/fs/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

#include "platform/fs/debug_log.h"
#include "platform/fs/file_status.h"
#include "platform/system/clock.h"
#include "platform/text/text_decode.h"

namespace platform {
namespace {

constexpr unsigned kOpenRetryMs = 100;
constexpr unsigned kRewriteWaitMs = 10;
constexpr int kMaxRewrites = 10;
constexpr int kWaitSeconds = 10;

// Reads to the end of the file, whatever size the status reported, but
// stops one byte past limit.
ReadFault ReadUpTo(int fd, size_t limit, Bytes& bytes) {
  unsigned char chunk[65536];
  while (bytes.size() <= limit) {
    const size_t room = limit - bytes.size();
    const ssize_t got = ::read(fd, chunk, room < sizeof chunk ? room + 1 : sizeof chunk);
    if (got == 0) break;
    if (got < 0 && errno != EINTR) return ReadFault::CannotRead;
    if (got > 0) bytes.insert(bytes.end(), chunk, chunk + got);
  }
  return bytes.size() > limit ? ReadFault::TooLarge : ReadFault::None;
}

ReadFault ReadOpenFile(int fd, size_t limit, Bytes& bytes) {
  struct stat status {};
  if (::fstat(fd, &status) != 0) return ReadFault::CannotRead;
  if (!S_ISREG(status.st_mode)) return ReadFault::NotRegular;
  if (static_cast<uint64_t>(status.st_size) > limit) return ReadFault::TooLarge;
  bytes.reserve(static_cast<size_t>(status.st_size));
  return ReadUpTo(fd, limit, bytes);
}

void LogReadFault(ReadFault fault, const std::string& path, size_t limit) {
  switch (fault) {
    case ReadFault::NotRegular: DbgLog("Not a regular file  " + path); break;
    case ReadFault::TooLarge: DbgLog("Larger than " + std::to_string(limit) + " bytes  " + path); break;
    case ReadFault::CannotRead: DbgLog("Can't read rb  " + path); break;
    default: break;
  }
}

bool IsOpenFault(ReadFault fault) { return fault == ReadFault::Missing || fault == ReadFault::CannotOpen; }

// Calls open every 100 ms, max(seconds * 10, 1) times in all, until done(result).
template <typename Open, typename Done>
auto RetryOpen(int seconds, Open open, Done done) {
  const int attempts = std::max(seconds * 10, 1);
  for (int attempt = 1;; ++attempt) {
    auto result = open();
    if (done(result) || attempt >= attempts) return result;
    CurrentClock().Sleep(kOpenRetryMs);
  }
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
  return RetryOpen(
      seconds, [&] { return std::fopen(path.c_str(), mode); }, [](FILE* file) { return file != nullptr; });
}

FileRead ReadRegularFile(const std::string& path, size_t limit) {
  FileRead read;
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) {
    read.fault = errno == ENOENT ? ReadFault::Missing : ReadFault::CannotOpen;
    return read;
  }
  read.fault = ReadOpenFile(fd, limit, read.bytes);
  ::close(fd);
  if (read.fault != ReadFault::None) read.bytes.clear();
  LogReadFault(read.fault, path, limit);
  return read;
}

Bytes ReadFileBytes(const std::string& path, size_t limit) {
  if (path.empty()) return {};
  const FileRead read = RetryOpen(
      kWaitSeconds, [&] { return ReadRegularFile(path, limit); },
      [](const FileRead& attempt) { return !IsOpenFault(attempt.fault); });
  if (IsOpenFault(read.fault)) DbgLog("Can't open rb  " + path);
  return read.bytes;
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

std::string ReadTextFile(const std::string& path, size_t limit) {
  if (!FileExists(path)) return "";
  return DecodeText(ReadFileBytes(path, limit));
}

}  // namespace platform
