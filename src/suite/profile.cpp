#include "suite/profile.h"

#include <mutex>
#include <unordered_map>

#include "platform/fs/debug_log.h"
#include "platform/ini/ini_file.h"
#include "platform/text/text_case.h"
#include "platform/text/utf.h"
#include "suite/profile_location.h"
#include "suite/profile_text.h"

namespace suite {

namespace {

// The Windows reader's buffer holds 10000 characters with the terminating zero.
constexpr size_t kMaxValueUnits = 9999;

std::recursive_mutex profileLock;  // held by every profile read and write of the program
// The values the switch UseProfileCache keeps as first read, whatever the file
// does later, by lower-case section and key; touched only under profileLock.
std::unordered_map<std::string, std::string> valueCache;

std::string CacheKey(const std::string& section, const std::string& key) {
  return platform::ToLowerText(section) + '\n' + platform::ToLowerText(key);
}

const std::string* FindCached(const std::string& section, const std::string& key) {
  const auto entry = valueCache.find(CacheKey(section, key));
  return entry == valueCache.end() ? nullptr : &entry->second;
}

void StoreCached(const std::string& section, const std::string& key, const std::string& value) {
  valueCache[CacheKey(section, key)] = value;
}

std::string CutToReaderBuffer(const std::string& value) {
  if (value.size() <= kMaxValueUnits) return value;  // a UTF-8 byte never stands for more than one unit
  std::u16string units = platform::Utf8ToUtf16(value);
  if (units.size() <= kMaxValueUnits) return value;
  units.resize(kMaxValueUnits);
  if (units.back() >= 0xD800 && units.back() <= 0xDBFF) units.pop_back();  // no half of a pair
  return platform::Utf16ToUtf8(units);
}

bool Missing(const std::string& section, const std::string& key) { return section.empty() || key.empty(); }

int Switch(const platform::IniDocument* document, const char* section, const char* key) {
  const std::string* value = document ? document->Find(section, key) : nullptr;
  return value ? platform::IniIntValue(*value, 0) : 0;
}

}  // namespace

Profile::Profile(const std::string& name) : path_(ResolveProfilePath(name)) {
  const std::shared_ptr<const platform::IniDocument> document = platform::IniLoad(path_);
  writeBack_ = Switch(document.get(), "Debug", "Write");
  trace_ = Switch(document.get(), "Debug", "Log");
  useCache_ = Switch(document.get(), "Debug\\2009_09", "UseProfileCache") != 0 &&
              (name.empty() || path_ == ResolveProfilePath(""));
}

void Profile::Trace(const char* operation, const std::string& section, const std::string& key, const std::string& def,
                    const std::string& value) const {
  if (!trace_) return;
  platform::DbgLog(std::string(operation) + "\t " + path_ + "\t " + section + "\t " + key + "\t " + def + "\t " + value);
}

int Profile::RawGetInt(const std::string& section, const std::string& key, int def) {
  if (useCache_) {
    if (const std::string* cached = FindCached(section, key)) return platform::IniIntValue(*cached, def);
  }
  const int value = platform::IniReadInt(section, key, def, path_);
  if (useCache_) StoreCached(section, key, std::to_string(value));
  Trace("GetInt", section, key, std::to_string(def), std::to_string(value));
  return value;
}

std::string Profile::RawGetStr(const std::string& section, const std::string& key, const std::string& def) {
  if (useCache_) {
    if (const std::string* cached = FindCached(section, key)) return *cached;
  }
  const std::string value = CutToReaderBuffer(platform::IniReadString(section, key, def, path_));
  if (useCache_) StoreCached(section, key, value);
  Trace("GetStr", section, key, def, value);
  return value;
}

int Profile::RawWriteInt(const std::string& section, const std::string& key, int value) {
  return RawWriteStr(section, key, std::to_string(value));
}

// A written value replaces its cached copy, so that the next read sees it.
// Before its first write a profile gets its folder, and its file turns into
// UTF-16, so that no text it takes is lost.
int Profile::RawWriteStr(const std::string& section, const std::string& key, const std::string& value) {
  if (!prepared_) {
    PrepareProfileFolder();
    RewriteProfileAsUtf16(path_);
    prepared_ = true;
  }
  if (!platform::IniWriteString(section, key, value, path_)) return 0;
  if (useCache_) StoreCached(section, key, value);
  return 1;
}

int Profile::GetInt(const std::string& section, const std::string& key, int def) {
  if (Missing(section, key)) return def;
  int value = def;
  {
    std::lock_guard lock(profileLock);
    value = RawGetInt(section, key, def);
  }
  if (writeBack_) WriteInt(section, key, value);
  return value;
}

std::string Profile::GetStr(const std::string& section, const std::string& key, const std::string& def) {
  if (Missing(section, key)) return def;
  std::string value;
  {
    std::lock_guard lock(profileLock);
    value = RawGetStr(section, key, def);
  }
  if (writeBack_) WriteStr(section, key, value);
  return value;
}

int Profile::WriteInt(const std::string& section, const std::string& key, int value) {
  if (Missing(section, key)) return 0;
  std::lock_guard lock(profileLock);
  return RawWriteInt(section, key, value);
}

int Profile::WriteStr(const std::string& section, const std::string& key, const std::string& value) {
  if (Missing(section, key)) return 0;
  std::lock_guard lock(profileLock);
  return RawWriteStr(section, key, value);
}

}  // namespace suite
