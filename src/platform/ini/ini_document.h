// An INI file parsed once for repeated lookups.
#pragma once

#include <string>
#include <string_view>
#include <unordered_map>

#include "platform/ini/ini_lines.h"

namespace platform {

class IniDocument {
 public:
  static IniDocument Parse(const IniFileLines& file);

  // The value of key in section (both without regard to case), or nullptr.
  // Only the first section of a name counts and, in it, the first entry of a key.
  const std::string* Find(std::string_view section, std::string_view key) const;

 private:
  using Entries = std::unordered_map<std::string, std::string>;
  std::unordered_map<std::string, Entries> sections_;
};

}  // namespace platform
