#include "platform/fs/debug_log.h"

#include "platform/fs/file_io.h"
#include "platform/fs/file_operations.h"
#include "platform/fs/file_status.h"
#include "platform/fs/folder_walk.h"
#include "platform/fs/temp_folder.h"
#include "platform/system/clock.h"
#include "platform/system/feedback.h"
#include "platform/system/system_places.h"
#include "platform/text/path_text.h"
#include "platform/text/utf16le.h"

namespace platform {

namespace {

constexpr int64_t kSecondsPerDay = 86400;
constexpr int kWaitSeconds = 10;

std::string TimeStamp() { return FormatLocalTime("%Y/%m/%d %H:%M:%S"); }

std::string LineBreaksToTabs(std::string text) {
  for (char& c : text) {
    if (c == '\r' || c == '\n') c = '\t';
  }
  return text;
}

Bytes HeaderBytes() {
  const std::string fields =
      UserName() + "\r\n" + GetTempFolder() + "\r\n" + CurrentDirectory() + "\r\n" + ProgramPath() + "\r\n";
  Bytes bytes{0xFF, 0xFE};
  const Bytes line = EncodeUtf16Le(TimeStamp() + "\t" + LineBreaksToTabs(fields) + "\r\n");
  bytes.insert(bytes.end(), line.begin(), line.end());
  return bytes;
}

bool WriteAll(FILE* file, const Bytes& bytes) {
  return bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
}

}  // namespace

std::string DbgLogBaseFolder() { return CommonDocumentsFolder() + "/Temp/Temp/DbgDump"; }

void DeleteOldLogs(const std::string& folder, int days) {
  const std::time_t now = CurrentClock().Now();
  for (const std::string& path : FilterFiles(ListFolder(AddSeparator(folder)), "*.txt")) {
    const FileStatus status(path);
    if (status.Error() != 0 || status.IsFolder() || status.IsReadOnly()) continue;
    if (now - status.ModifiedTime() >= days * kSecondsPerDay) RemoveFile(path);
  }
}

bool DbgDumper::Dump(const Bytes& bytes) {
  // A failure met while logging (a folder that cannot be made) is logged
  // itself; that entry is dropped instead of recursing.
  static thread_local bool busy = false;
  if (busy) return false;
  // The window's update check and its upload may log at the same time.
  const std::lock_guard lock(mutex_);
  if (givenUp_) return false;
  busy = true;
  const bool written = Write(bytes);
  busy = false;
  return written;
}

bool DbgDumper::Write(const Bytes& bytes) {
  const std::string base = DbgLogBaseFolder();
  if (cleanupPending_) DeleteOldLogs(base);
  const std::string folder = base + "/WC";
  CreateFolder(folder);
  if (cleanupPending_) DeleteOldLogs(folder);
  cleanupPending_ = false;

  const std::string path = folder + "/" + FormatLocalTime("%m%d_%H") + ".txt";
  FILE* file = OpenFileWait(path, "ab", kWaitSeconds);
  if (!file) {
    givenUp_ = true;
    ShowNotice("Can't open ab  " + path + "\tno debug log for the rest of this run");
    return false;
  }
  const bool fresh = FileStatus(path).Size() == 0;
  const bool written = (!fresh || WriteAll(file, HeaderBytes())) && WriteAll(file, bytes);
  return std::fclose(file) == 0 && written;
}

bool DbgDump(const Bytes& bytes) {
  // One log per process, so that a log given up stays given up for every caller.
  static DbgDumper dumper;
  return dumper.Dump(bytes);
}

void DbgLog(const std::string& message) {
  DbgDump(EncodeUtf16Le(TimeStamp() + "\t" + GetFileName(ProgramPath()) + "\t" + LineBreaksToTabs(message) + "\r\n"));
}

}  // namespace platform
