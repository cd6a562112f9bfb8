// The family profile: integer and text settings in an INI file shared by the family's
// tools, read and written under one program-wide lock, with an optional read
// cache and debug switches that make every read visible.
//
// A section or key that is empty counts as missing: reads give the default,
// writes give 0. Writes give 1 on success.
#pragma once

#include <string>

namespace suite {

class Profile {
 public:
  // Empty name: the program's default profile. See ResolveProfilePath.
  // A profile file that is not UTF-16 is rewritten as UTF-16 LE once, here.
  explicit Profile(const std::string& name = "");

  int GetInt(const std::string& section, const std::string& key, int def);
  int WriteInt(const std::string& section, const std::string& key, int value);
  std::string GetStr(const std::string& section, const std::string& key, const std::string& def);
  int WriteStr(const std::string& section, const std::string& key, const std::string& value);

 private:
  // The file itself, without lock or write-back. A text value is
  // cut after 9999 UTF-16 units, as the Windows reader's buffer does.
  int RawGetInt(const std::string& section, const std::string& key, int def);
  int RawWriteInt(const std::string& section, const std::string& key, int value);
  std::string RawGetStr(const std::string& section, const std::string& key, const std::string& def);
  int RawWriteStr(const std::string& section, const std::string& key, const std::string& value);

  void Trace(const char* operation, const std::string& section, const std::string& key, const std::string& def,
             const std::string& value) const;

  std::string path_;
  bool prepared_ = false;  // its first write has made the folder and the file UTF-16
  int writeBack_ = 0;      // "Write" in section "Debug": every read writes its value back
  int trace_ = 0;          // "Log" in section "Debug": every raw read writes a debug-log line
  bool useCache_ = false;  // "UseProfileCache" in section "Debug\2009_09", default profile only
};

}  // namespace suite
