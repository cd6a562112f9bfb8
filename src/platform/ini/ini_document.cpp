#include "platform/ini/ini_document.h"

#include "platform/ini/ini_line.h"
#include "platform/text/text_case.h"

namespace platform {

IniDocument IniDocument::Parse(const IniFileLines& file) {
  IniDocument document;
  Entries* current = nullptr;  // null outside a section and in a repeated one
  for (const IniFileLine& fileLine : file.lines) {
    const IniLine line = ParseIniLine(fileLine.text);
    if (line.kind == IniLineKind::Section) {
      auto [where, isNew] = document.sections_.try_emplace(ToLowerText(line.name));
      current = isNew ? &where->second : nullptr;
    } else if (line.kind == IniLineKind::Entry && current && !line.name.empty()) {
      current->try_emplace(ToLowerText(line.name), line.value);
    }
  }
  return document;
}

const std::string* IniDocument::Find(std::string_view section, std::string_view key) const {
  const auto entries = sections_.find(ToLowerText(section));
  if (entries == sections_.end()) return nullptr;
  const auto value = entries->second.find(ToLowerText(key));
  return value == entries->second.end() ? nullptr : &value->second;
}

}  // namespace platform
