// A web site on 127.0.0.1 that runs the project's reference upload script at
// kUploadScript, for the life of the object.
#pragma once

#include <map>
#include <string>

#include "support/upload_servers.h"

constexpr const char* kUploadScript = "/up/upload.php";

// The page's name: the user's (7-bit already where the tests run) and ".htm".
std::string UserPageName();

// Copies the reference script to kUploadScript below docroot; gives docroot.
std::string WithUploadScript(const std::string& docroot);

class UploadSite {
 public:
  explicit UploadSite(const std::string& docroot) : docroot_(WithUploadScript(docroot)), server_(docroot_) {}
  std::string HostAndPort() const { return testserver::LocalServer(server_.port); }
  void ClearData() const;
  // Name and content of every file the script stored.
  std::map<std::string, std::string> Received() const;

 private:
  std::string docroot_;
  testserver::PhpServer server_;
};
