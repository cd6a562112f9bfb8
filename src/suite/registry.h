// Values of the current user's registry hive. They live in one INI file,
// $XDG_CONFIG_HOME/z_Suite/registry.ini ($HOME/.config when unset): one section
// per key path (as "Software\z_Suite\z_Suite"), text values as "name="text"",
// 32-bit numbers as "name=dword:0000000a", the unnamed value under "@".
#pragma once

#include <string>

namespace suite {

class RegAccess {
 public:
  // The key path below the current user's hive, with backslashes.
  explicit RegAccess(const std::string& keyPath);

  // An empty name is the unnamed value. False when the value could not be written.
  bool WriteStr(const std::string& name, const std::string& value);
  // Numbers are not text: they give the default.
  std::string GetStr(const std::string& name, const std::string& def) const;

  // Where the hive is kept.
  static std::string HiveFilePath();

 private:
  std::string keyPath_;
};

}  // namespace suite
