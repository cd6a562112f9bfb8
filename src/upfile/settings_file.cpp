#include "upfile/settings_file.h"

#include <map>
#include <memory>
#include <mutex>

#include "platform/file_stamp.h"
#include "platform/text_decode.h"
#include "upfile/settings_text.h"

namespace {

struct ParsedFile {
  FileStamp stamp;
  bool settled = false;
  std::shared_ptr<const SettingLines> lines;
};

std::shared_ptr<const SettingLines> CurrentLines(const std::string& path) {
  static std::mutex mutex;
  static std::map<std::string, ParsedFile> parsed;

  const FileStamp stamp = GetFileStamp(path);
  if (!stamp.exists) return nullptr;
  std::lock_guard<std::mutex> lock(mutex);
  ParsedFile& entry = parsed[path];
  if (entry.lines && entry.settled && entry.stamp == stamp) return entry.lines;
  // Judged before reading: a write during the read then shows as a new stamp.
  entry.settled = IsSettledStamp(stamp);
  entry.stamp = stamp;
  entry.lines = std::make_shared<const SettingLines>(SplitSettingLines(ReadTextFile(path)));
  return entry.lines;
}

}  // namespace

std::string ReadSettingFromFile(const std::string& path, const std::string& section, const std::string& key,
                                const std::string& def) {
  if (path.empty() || section.empty() || key.empty()) return def;
  const std::shared_ptr<const SettingLines> lines = CurrentLines(path);
  if (!lines) return def;
  return FindSettingValue(*lines, section, key).value_or(def);
}
