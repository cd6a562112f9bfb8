// A web site on 127.0.0.1 that runs the project's reference upload script at
// kUploadScript, for the life of the object.
#pragma once

#include <pwd.h>
#include <unistd.h>

#include <filesystem>
#include <map>
#include <string>

#include "support/sandbox.h"
#include "support/upload_servers.h"

constexpr const char* kUploadScript = "/up/upload.php";

// The page's name: the user's (7-bit already where the tests run) and ".htm".
inline std::string UserPageName() { return std::string(::getpwuid(::geteuid())->pw_name) + ".htm"; }

// Copies the reference script to kUploadScript below docroot; gives docroot.
inline std::string WithUploadScript(const std::string& docroot) {
  sandbox::WriteFile(docroot + kUploadScript, sandbox::ReadFile(WXPUB_SOURCE_DIR "/server/upload.php"));
  return docroot;
}

class UploadSite {
 public:
  // phpSettings go to the PhpServer.
  explicit UploadSite(const std::string& docroot, const std::vector<std::string>& phpSettings = {})
      : docroot_(WithUploadScript(docroot)), server_(docroot_, phpSettings) {}
  std::string HostAndPort() const { return testserver::LocalServer(server_.port); }
  void ClearData() const {
    std::filesystem::remove_all(docroot_ + "/up/data");
    std::filesystem::create_directories(docroot_ + "/up/data");
  }
  // Name and content of every file the script stored.
  std::map<std::string, std::string> Received() const {
    std::map<std::string, std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(docroot_ + "/up/data"))
      files[entry.path().filename().string()] = sandbox::ReadFile(entry.path().string());
    return files;
  }

 private:
  std::string docroot_;
  testserver::PhpServer server_;
};
