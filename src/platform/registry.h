// Values of the current user's registry hive. They live in one INI file,
// $XDG_CONFIG_HOME/z_Suite/registry.ini ($HOME/.config when unset): one section
// per key path (as "Software\z_Suite\z_Suite"), text values as "name="text"",
// 32-bit numbers as "name=dword:0000000a", the unnamed value under "@".
#pragma once

#include <cstdint>
#include <string>

class RegAccess {
 public:
  // The key path below the current user's hive, with backslashes.
  explicit RegAccess(const std::string& keyPath);

  // Operations return 1 on success and 0 on failure; a failure keeps its
  // error text in the object (never shown). An empty name is the unnamed value.
  int WriteInt(const std::string& name, uint32_t value);
  int WriteStr(const std::string& name, const std::string& value);
  // Stored 32-bit numbers and plain decimal text count as numbers.
  int GetInt(const std::string& name, int def) const;
  // Numbers are not text: they give the default.
  std::string GetStr(const std::string& name, const std::string& def) const;
  int DeleteValue(const std::string& name);
  // Deletes the object's key with its values.
  int DeleteKey();

  const std::string& GetKeyPath() const { return keyPath_; }
  const std::string& GetErrorText() const { return errorText_; }

  // Where the hive is kept.
  static std::string HiveFilePath();

 private:
  int Write(const std::string& name, const std::string& stored);
  int Fail(const std::string& text);

  std::string keyPath_;
  std::string errorText_;
};
