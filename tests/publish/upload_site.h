// A web site on 127.0.0.1 that runs the project's reference upload script at
// kUploadScript, for the life of the object.
#pragma once

#include <string>

#include "support/upload_servers.h"

constexpr const char* kUploadScript = "/up/upload.php";

class UploadSite {
 public:
  explicit UploadSite(const std::string& docroot);
  std::string HostAndPort() const { return testserver::LocalServer(server_.Port()); }
  // Where the script stores what it receives.
  std::string DataFolder() const { return docroot_ + "/up/data"; }
  void ClearData() const;

 private:
  static std::string Prepared(const std::string& docroot);
  std::string docroot_;
  testserver::PhpServer server_;
};

// A server address at which nothing listens.
std::string DeadServer();

// Status code of a GET request, 0 when no answer came.
long HttpGetStatus(const std::string& url);
