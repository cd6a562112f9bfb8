// Named text values of a program file's version information ("FileVersion",
// "OriginalFilename", ...) and the lookup of a program on the search path.
//
// Program files carry no version resource on this platform. The running
// program's own file answers with the values compiled into it from the build's
// project version; every other file reads like a file without a resource.
#pragma once

#include <map>
#include <string>

// The values of the running program's own file, keyed by value name.
const std::map<std::string, std::string>& OwnVersionValues();

// Reader whose missing values are empty texts; it writes its complaints as
// single lines on the standard error stream.
class FVersion {
 public:
  explicit FVersion(const std::string& path = "");
  virtual ~FVersion();

  // Stores the path and loads when it is not empty and the file exists.
  virtual void SetPath(const std::string& path);
  virtual std::string QueryValue(const std::string& key);
  virtual bool Load();

  virtual std::string GetComments();
  virtual std::string GetCompanyName();
  virtual std::string GetFileDescription();
  virtual std::string GetFileVersion();
  virtual std::string GetInternalName();
  virtual std::string GetLegalCopyright();
  virtual std::string GetLegalTrademarks();
  virtual std::string GetOriginalFilename();
  virtual std::string GetPrivateBuild();
  virtual std::string GetProductName();
  virtual std::string GetProductVersion();
  virtual std::string GetSpecialBuild();

 private:
  std::string path_;
  std::string prefix_;
  const std::map<std::string, std::string>* values_ = nullptr;
};

// Reader whose missing values read as its status text: 21 underscores after a
// successful load, or the text of the failed load.
class FileVer {
 public:
  explicit FileVer(const std::string& path = "");
  virtual ~FileVer();

  // Stores the path and loads at once.
  virtual bool SetPath(const std::string& path);
  virtual std::string GetPath() const;
  virtual bool Load();
  virtual std::string QueryValue(const std::string& key) const;

  virtual std::string GetComments() const;
  virtual std::string GetCompanyName() const;
  virtual std::string GetFileDescription() const;
  virtual std::string GetFileVersion() const;
  virtual std::string GetInternalName() const;
  virtual std::string GetLegalCopyright() const;
  virtual std::string GetLegalTrademarks() const;
  virtual std::string GetOriginalFilename() const;
  virtual std::string GetPrivateBuild() const;
  virtual std::string GetProductName() const;
  virtual std::string GetProductVersion() const;
  virtual std::string GetSpecialBuild() const;

  // An empty text stores 21 underscores and clears the error flag.
  virtual void SetStatus(const std::string& status);
  virtual std::string GetStatus() const;
  virtual bool IsError() const;

 private:
  std::string path_;
  std::string prefix_;
  std::string status_;
  bool error_ = false;
  const std::map<std::string, std::string>* values_ = nullptr;
};

// Full path of the program on the search path ($PATH, searched in-process),
// the name itself when it names an existing file with its folder, else empty.
std::string get_which(const std::string& name);
