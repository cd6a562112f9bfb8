#include "platform/ini_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <functional>
#include <memory>
#include <mutex>
#include <unordered_map>

#include "platform/atomic_file.h"
#include "platform/ini_document.h"
#include "platform/ini_editor.h"
#include "platform/ini_line.h"
#include "platform/number_text.h"
#include "platform/text_decode.h"

namespace {

// What a file's status says about its contents: any change of the contents
// changes the inode change time (and a replacement the inode).
struct FileIdentity {
  dev_t device = 0;
  ino_t inode = 0;
  off_t size = 0;
  int64_t modified = 0;  // ns
  int64_t changed = 0;   // ns

  bool operator==(const FileIdentity&) const = default;
};

int64_t Nanoseconds(const timespec& time) { return int64_t{time.tv_sec} * 1'000'000'000 + time.tv_nsec; }

FileIdentity IdentityOf(const struct stat& status) {
  return {status.st_dev, status.st_ino, status.st_size, Nanoseconds(status.st_mtim), Nanoseconds(status.st_ctim)};
}

// File times advance in clock ticks of a few ms. A copy parsed within this much
// of the file's last change could miss a change made later in the same tick,
// so it is not trusted and the file is parsed again at the next read.
constexpr int64_t kSettleNs = 50'000'000;

int64_t NowNs() {
  return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::system_clock::now().time_since_epoch())
      .count();
}

struct CachedDocument {
  FileIdentity identity;
  bool trusted = false;
  std::shared_ptr<const IniDocument> document;
};

std::mutex gMutex;  // guards gCache and serialises each read-modify-write
std::unordered_map<std::string, CachedDocument> gCache;

bool ReadOpenFile(int fd, Bytes& bytes) {
  unsigned char buffer[65536];
  for (;;) {
    const ssize_t got = ::read(fd, buffer, sizeof buffer);
    if (got == 0) return true;
    if (got < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes.insert(bytes.end(), buffer, buffer + got);
  }
}

// Parses the file anew; nullptr when it cannot be read. Caller holds gMutex.
std::shared_ptr<const IniDocument> ParseFile(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return nullptr;
  struct stat status {};
  Bytes bytes;
  const bool ok = ::fstat(fd, &status) == 0 && S_ISREG(status.st_mode) && ReadOpenFile(fd, bytes);
  ::close(fd);
  if (!ok) return nullptr;
  auto document = std::make_shared<const IniDocument>(IniDocument::Parse(DecodeText(std::move(bytes))));
  const FileIdentity identity = IdentityOf(status);
  gCache[path] = {identity, NowNs() - identity.changed > kSettleNs, document};
  return document;
}

std::shared_ptr<const IniDocument> LoadDocument(const std::string& path) {
  struct stat status {};
  if (path.empty() || ::stat(path.c_str(), &status) != 0) return nullptr;
  std::lock_guard lock(gMutex);
  const auto cached = gCache.find(path);
  if (cached != gCache.end() && cached->second.trusted && cached->second.identity == IdentityOf(status)) {
    return cached->second.document;
  }
  return ParseFile(path);
}

bool HasLineBreak(const std::string& text) { return text.find_first_of("\r\n") != std::string::npos; }

bool IsWritableSection(const std::string& section) {
  return !TrimBlanks(section).empty() && !HasLineBreak(section) && section.find(']') == std::string::npos;
}

bool IsWritableKey(const std::string& key) {
  const std::string_view name = TrimBlanks(key);
  return !name.empty() && name.front() != ';' && name.front() != '[' && !HasLineBreak(key) &&
         key.find('=') == std::string::npos;
}

bool StartsWith(const Bytes& bytes, std::initializer_list<unsigned char> prefix) {
  return bytes.size() >= prefix.size() && std::equal(prefix.begin(), prefix.end(), bytes.begin());
}

// UTF-16 LE files stay so; everything else is stored as UTF-8, keeping a UTF-8 mark.
Bytes EncodeLike(const Bytes& original, const std::string& text) {
  const bool utf32 = StartsWith(original, {0xFF, 0xFE, 0x00, 0x00});
  if (StartsWith(original, {0xFF, 0xFE}) && !utf32) return EncodeUtf16LeWithBom(text);
  Bytes bytes;
  if (StartsWith(original, {0xEF, 0xBB, 0xBF})) bytes = {0xEF, 0xBB, 0xBF};
  bytes.insert(bytes.end(), text.begin(), text.end());
  return bytes;
}

using TextEdit = std::function<std::optional<std::string>(const std::string& text)>;

bool EditFile(const std::string& path, const TextEdit& edit) {
  if (path.empty()) return false;
  std::lock_guard lock(gMutex);
  Bytes original;
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd >= 0) {
    const bool ok = ReadOpenFile(fd, original);
    ::close(fd);
    if (!ok) return false;
  } else if (errno != ENOENT) {
    return false;
  }
  const std::optional<std::string> edited = edit(DecodeText(original));
  if (!edited) return false;
  gCache.erase(path);
  return ReplaceFileAtomically(path, EncodeLike(original, *edited));
}

}  // namespace

std::optional<std::string> IniFindString(const std::string& section, const std::string& key, const std::string& path) {
  const std::shared_ptr<const IniDocument> document = LoadDocument(path);
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
  return EditFile(path, [&](const std::string& text) { return IniSetValue(text, section, key, value); });
}

bool IniDeleteKey(const std::string& section, const std::string& key, const std::string& path) {
  return EditFile(path, [&](const std::string& text) { return IniRemoveKey(text, section, key); });
}

bool IniDeleteSection(const std::string& section, const std::string& path) {
  return EditFile(path, [&](const std::string& text) { return IniRemoveSection(text, section); });
}
