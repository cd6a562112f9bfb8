// Named text values of a program file's version information ("FileVersion",
// "OriginalFilename", ...) and the lookup of a program on the search path.
//
// Program files carry no version resource on this platform. The running
// program's own file answers with the values compiled into it from the build's
// project version; every other file reads like a file without a resource.
#pragma once

#include <map>
#include <optional>
#include <string>

namespace suite {

// The version values of one file, read at construction.
class VersionInfo {
 public:
  explicit VersionInfo(const std::string& path);

  // The named value; nullopt when the file has no such value.
  std::optional<std::string> Find(const std::string& key) const;
  // Find, else the status: 21 underscores after a load, else "FileNameIsEmpty"
  // or "FileIsNothing".
  std::string Value(const std::string& key) const;

  std::string FileVersion() const { return Value("FileVersion"); }
  std::string LegalCopyright() const { return Value("LegalCopyright"); }
  std::string OriginalFilename() const { return Value("OriginalFilename"); }
  std::string ProductName() const { return Value("ProductName"); }

 private:
  std::string status_;
  const std::map<std::string, std::string>* values_ = nullptr;
};

}  // namespace suite
