// The always-on debug log: one UTF-16LE file per clock hour ("%m%d_%H.txt")
// below <common documents>/Temp/Temp/DbgDump/WC, each new file starting with a
// byte-order mark and a header naming the user, the folders and the program.
#pragma once

#include <mutex>
#include <string>

#include "platform/fs/file_io.h"

namespace platform {

// Appends one entry; line breaks inside the message become tabs.
void DbgLog(const std::string& message);

// Appends already encoded bytes to the current hour's file.
bool DbgDump(const Bytes& bytes);

// <common documents>/Temp/Temp/DbgDump, without the "WC" level.
std::string DbgLogBaseFolder();

// Deletes the "*.txt" files of the folder that are at least the given days old,
// sparing read-only ones.
void DeleteOldLogs(const std::string& folder, int days = 10);

// Writes to the log; old logs are cleaned up once, before the first write.
// A log that cannot be opened once is given up (one notice, ShowNotice),
// so that later entries do not wait for it again.
class DbgDumper {
 public:
  bool Dump(const Bytes& bytes);

 private:
  bool Write(const Bytes& bytes);

  std::mutex mutex_;
  bool cleanupPending_ = true;
  bool givenUp_ = false;
};

}  // namespace platform
