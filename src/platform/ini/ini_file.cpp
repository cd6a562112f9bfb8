#include "platform/ini/ini_file.h"

#include <functional>
#include <memory>
#include <mutex>
#include <unordered_map>

#include "platform/fs/atomic_file.h"
#include "platform/fs/file_io.h"
#include "platform/fs/file_stamp.h"
#include "platform/ini/ini_editor.h"
#include "platform/ini/ini_line.h"
#include "platform/text/number_text.h"

namespace platform {

namespace {

struct CachedDocument {
  FileStamp stamp;
  bool settled = false;
  std::shared_ptr<const IniDocument> document;
};

std::mutex documentMutex;  // guards documentCache and serialises each read-modify-write
std::unordered_map<std::string, CachedDocument> documentCache;

}  // namespace

std::shared_ptr<const IniDocument> IniLoad(const std::string& path) {
  const FileStamp stamp = GetFileStamp(path);
  if (!stamp.exists) return nullptr;
  std::lock_guard lock(documentMutex);
  CachedDocument& entry = documentCache[path];
  if (entry.document && entry.settled && entry.stamp == stamp) return entry.document;
  FileRead read = ReadRegularFile(path, kOwnFileLimit);
  if (read.fault != ReadFault::None) {
    documentCache.erase(path);
    return nullptr;
  }
  const std::optional<IniFileLines> file = SplitIniFile(std::move(read.bytes));
  const IniDocument document = file ? IniDocument::Parse(*file) : IniDocument();  // undecodable: empty
  // Judged on the stamp taken before reading: a write during the read shows as a new stamp.
  entry = {stamp, IsSettledStamp(stamp), std::make_shared<const IniDocument>(document)};
  return entry.document;
}

namespace {

bool HasLineBreak(const std::string& text) { return text.find_first_of("\r\n") != std::string::npos; }

bool IsWritableSection(const std::string& section) {
  return !TrimBlanks(section).empty() && !HasLineBreak(section) && section.find(']') == std::string::npos;
}

bool IsWritableKey(const std::string& key) {
  const std::string_view name = TrimBlanks(key);
  return !name.empty() && name.front() != ';' && name.front() != '[' && !HasLineBreak(key) &&
         key.find('=') == std::string::npos;
}

using FileEdit = std::function<std::optional<Bytes>(const IniFileLines& file)>;

// Nothing is written unless every line of the file could be decoded and the edit found its form.
bool EditFile(const std::string& path, const FileEdit& edit) {
  if (path.empty()) return false;
  std::lock_guard lock(documentMutex);
  FileRead original = ReadRegularFile(path, kOwnFileLimit);
  if (original.fault != ReadFault::None && original.fault != ReadFault::Missing) return false;
  const std::optional<IniFileLines> file = SplitIniFile(std::move(original.bytes));
  const std::optional<Bytes> edited = file ? edit(*file) : std::nullopt;
  if (!edited) return false;
  documentCache.erase(path);
  return ReplaceFileAtomically(path, *edited);
}

}  // namespace

std::optional<std::string> IniFindString(const std::string& section, const std::string& key, const std::string& path) {
  const std::shared_ptr<const IniDocument> document = IniLoad(path);
  const std::string* value = document ? document->Find(section, key) : nullptr;
  if (!value) return std::nullopt;
  return *value;
}

std::string IniReadString(const std::string& section, const std::string& key, const std::string& def,
                          const std::string& path) {
  return IniFindString(section, key, path).value_or(def);
}

int IniIntValue(const std::string& value, int def) {
  // GetPrivateProfileInt hands back the low 32 bits of what it parsed.
  return value.empty() ? def : static_cast<int>(static_cast<uint32_t>(LeadingInt64(value)));
}

int IniReadInt(const std::string& section, const std::string& key, int def, const std::string& path) {
  const std::optional<std::string> value = IniFindString(section, key, path);
  return value ? IniIntValue(*value, def) : def;
}

bool IniWriteString(const std::string& section, const std::string& key, const std::string& value,
                    const std::string& path) {
  if (!IsWritableSection(section) || !IsWritableKey(key) || HasLineBreak(value)) return false;
  return EditFile(path, [&](const IniFileLines& file) { return IniSetValue(file, section, key, value); });
}

}  // namespace platform
