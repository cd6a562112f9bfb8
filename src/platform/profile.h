// The family profile: typed settings in an INI file shared by the family's
// tools, read and written under one program-wide lock, with an optional read
// cache and debug switches that make every read visible.
//
// A section or key that is empty counts as missing: reads give the default,
// writes give 0. Writes give 1 on success.
#pragma once

#include <cstdint>
#include <string>

struct ProfileRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  bool operator==(const ProfileRect&) const = default;
};

struct ProfilePoint {
  int x = 0;
  int y = 0;
  bool operator==(const ProfilePoint&) const = default;
};

// One entry of the program-wide read cache.
struct ProfileC_1 {
  std::string section;
  std::string key;
  std::string value;
};

class Profile {
 public:
  // Empty name: the program's default profile. See ResolveProfilePath.
  // A profile file that is not UTF-16 is rewritten as UTF-16 LE once, here.
  explicit Profile(const std::string& name = "");
  virtual ~Profile();

  virtual int GetInt(const std::string& section, const std::string& key, int def);
  virtual int WriteInt(const std::string& section, const std::string& key, int value);
  virtual std::string GetStr(const std::string& section, const std::string& key, const std::string& def);
  virtual int WriteStr(const std::string& section, const std::string& key, const std::string& value);
  // Write only when the key is not in the file; 0 when it is.
  virtual int WriteStrIfAbsent(const std::string& section, const std::string& key, const std::string& value);
  virtual int WriteIntIfAbsent(const std::string& section, const std::string& key, int value);

  // Decimal text.
  virtual int64_t GetInt64(const std::string& section, const std::string& key, int64_t def);
  virtual int WriteInt64(const std::string& section, const std::string& key, int64_t value);
  // Written twice: "%.20g" under key + "_Flt_" and as WriteDouble; the read
  // records the "_Flt_" copy but returns GetDouble of the key.
  virtual double GetFloat(const std::string& section, const std::string& key, double def);
  virtual int WriteFloat(const std::string& section, const std::string& key, double value);
  // The same pairing with "%d %d %d %d" under key + "_LTRB" and GetRect/WriteRect.
  virtual ProfileRect GetRectLTRB(const std::string& section, const std::string& key, const ProfileRect& def);
  virtual int WriteRectLTRB(const std::string& section, const std::string& key, const ProfileRect& value);
  // The same pairing with "%d %d" under key + "_L_XY" and GetPoint/WritePoint.
  virtual ProfilePoint GetPointXY(const std::string& section, const std::string& key, const ProfilePoint& def);
  virtual int WritePointXY(const std::string& section, const std::string& key, const ProfilePoint& value);
  // "%g".
  virtual double GetDouble(const std::string& section, const std::string& key, double def);
  virtual int WriteDouble(const std::string& section, const std::string& key, double value);
  // "%09d %09d %09d %09d": left, top, right, bottom.
  virtual ProfileRect GetRect(const std::string& section, const std::string& key, const ProfileRect& def);
  virtual int WriteRect(const std::string& section, const std::string& key, const ProfileRect& value);
  // "%09d %09d": x, y.
  virtual ProfilePoint GetPoint(const std::string& section, const std::string& key, const ProfilePoint& def);
  virtual int WritePoint(const std::string& section, const std::string& key, const ProfilePoint& value);

  virtual std::string GetPath() const;

  // Reads and writes of all profiles so far.
  static uint64_t ReadCount();
  static uint64_t WriteCount();
  static void ClearCache();

 protected:
  // The file itself, without lock, counting or write-back. A text value is
  // cut after 9999 UTF-16 units, as the Windows reader's buffer does.
  virtual int RawGetInt(const std::string& section, const std::string& key, int def);
  virtual int RawWriteInt(const std::string& section, const std::string& key, int value);
  virtual std::string RawGetStr(const std::string& section, const std::string& key, const std::string& def);
  virtual int RawWriteStr(const std::string& section, const std::string& key, const std::string& value);

 private:
  void Trace(const char* operation, const std::string& section, const std::string& key, const std::string& def,
             const std::string& value) const;

  std::string path_;
  int writeBack_ = 0;      // "Write" in section "Debug": every read writes its value back
  int trace_ = 0;          // "Log" in section "Debug": every raw read writes a debug-log line
  bool useCache_ = false;  // "UseProfileCache" in section "Debug\2009_09", default profile only
};

// A profile that also knows the family's file path, kept in the registry under
// the family key + "\Env" as the value "FilePath".
class Env : public Profile {
 public:
  explicit Env(const std::string& name = "");
  virtual std::string GetFilePath(const std::string& def = "");
  virtual int WriteFilePath(const std::string& path);
};
