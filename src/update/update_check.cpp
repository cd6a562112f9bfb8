#include "update/update_check.h"

#include <algorithm>

#include "update/download_cache.h"
#include "platform/fs/file_io.h"
#include "platform/text/text_decode.h"
#include "suite/folders.h"
#include "suite/profile.h"
#include "update/page_compare.h"

namespace update {
namespace {

// Both separators count in these settings: they are written by hand, also on Windows.
std::string WithSlashes(std::string text) {
  std::replace(text.begin(), text.end(), '\\', '/');
  return text;
}

std::string WithoutLeadingSeparator(const std::string& text) {
  if (!text.empty() && text.front() == '/') return text.substr(1);
  return text;
}

bool Stopped(const std::atomic<bool>* stop) { return stop && *stop; }

// "_.htm" -> "_.txt" beside it.
std::string NotePath(const std::string& copyPath) {
  return platform::AddSeparator(platform::GetFolderPart(copyPath)) + platform::GetFileStem(copyPath) + ".txt";
}

void WriteFailureNote(const std::string& address, const std::string& copyPath, const net::TraceSink& trace) {
  const std::string notePath = NotePath(copyPath);
  const std::string note = address + "\r\n" + CacheRelativePath(address) + "\r\n" + notePath + "\r\n";
  trace(net::TraceStream::Error, note);
  platform::WriteFileBytes(notePath, platform::Bytes(note.begin(), note.end()));
}

// Downloads the page at the address and compares it with the kept copy.
bool PageChanged(const std::string& address, const net::TraceSink& trace, const std::atomic<bool>* stop) {
  const std::string oldText = platform::ReadTextFile(CachePath(address), kKeptCopyLimit);
  // A stopped download has moved the kept copy aside all the same, so it
  // counts as a failed one.
  const std::string copyPath = FetchToCache(address, trace, {.stop = stop});
  const std::string newText = platform::ReadTextFile(copyPath, kKeptCopyLimit);
  if (newText.empty()) WriteFailureNote(address, copyPath, trace);
  if (oldText.empty()) {
    trace(net::TraceStream::Error, "new\n");
    return false;
  }
  if (SamePage(oldText, newText)) {
    trace(net::TraceStream::Error, "no update\n");
    return false;
  }
  return !SameAfterLayout(oldText, newText, trace);
}

}  // namespace

std::string UpdatePageAddress() {
  suite::Profile profile(kProfile);
  const std::string server = WithSlashes(profile.GetStr(kSection, kServerKey, kDefaultServer));
  const std::string path = WithSlashes(profile.GetStr(kSection, kPathKey, kDefaultPath));
  const std::string address =
      platform::NormalizePath(platform::RemoveSeparator(server) + "/" + WithoutLeadingSeparator(path));
  if (!address.empty() && address.front() == '/') return address;
  return "//" + address;
}

CheckResult CheckForUpdate(const net::TraceSink& trace, const std::atomic<bool>* stop) {
  CheckResult result;
  const std::string address = UpdatePageAddress();
  result.changed = PageChanged(address, trace, stop);
  suite::Profile profile(kProfile);
  if (result.changed) profile.WriteInt(kSection, kCountKey, profile.GetInt(kSection, kCountKey, kDefaultCount) + 1);
  // The window is closing: the page opens at the next start instead.
  if (Stopped(stop)) return result;
  if (profile.GetInt(kSection, kCountKey, kDefaultCount) > kCountLimit) {
    result.openAddress = "https:" + address;
    profile.WriteInt(kSection, kCountKey, 0);
  }
  return result;
}

}  // namespace update
