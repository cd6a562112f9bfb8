#include "platform/ini/ini_file.h"

#include <functional>
#include <memory>

#include "platform/fs/atomic_file.h"
#include "platform/fs/file_io.h"
#include "platform/fs/parsed_file_cache.h"
#include "platform/ini/ini_editor.h"
#include "platform/ini/ini_line.h"
#include "platform/text/number_text.h"

namespace platform {

namespace {

ParsedFileCache<IniDocument>& Documents() {
  // One per process: every reader and writer of a file must meet in it.
  static ParsedFileCache<IniDocument> documents;
  return documents;
}

}  // namespace

std::shared_ptr<const IniDocument> IniLoad(const std::string& path) {
  return Documents().Get(path, [](const std::string& file) -> std::shared_ptr<const IniDocument> {
    FileRead read = ReadRegularFile(file, kOwnFileLimit);
    if (read.fault != ReadFault::None) return nullptr;
    const std::optional<IniFileLines> lines = SplitIniFile(std::move(read.bytes));
    return std::make_shared<const IniDocument>(lines ? IniDocument::Parse(*lines) : IniDocument());  // undecodable: empty
  });
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
  return Documents().Rewrite(path, [&] {
    FileRead original = ReadRegularFile(path, kOwnFileLimit);
    if (original.fault != ReadFault::None && original.fault != ReadFault::Missing) return false;
    const std::optional<IniFileLines> file = SplitIniFile(std::move(original.bytes));
    const std::optional<Bytes> edited = file ? edit(*file) : std::nullopt;
    return edited && ReplaceFileAtomically(path, *edited);
  });
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
