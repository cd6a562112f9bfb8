#include "upload_site.h"

#include <filesystem>

#include "support/sandbox.h"

namespace fs = std::filesystem;

std::string WithUploadScript(const std::string& docroot) {
  const fs::path script = fs::path(docroot) / fs::path(kUploadScript).relative_path();
  fs::create_directories(script.parent_path());
  fs::copy_file(fs::path(WXPUB_SOURCE_DIR) / "server" / "upload.php", script, fs::copy_options::overwrite_existing);
  return docroot;
}

void UploadSite::ClearData() const {
  fs::remove_all(DataFolder());
  fs::create_directories(DataFolder());
}

std::string DeadServer() { return testserver::LocalServer(testserver::FreePort()); }

std::string HttpStatus(const std::string& url) {
  static int calls = 0;
  const std::string log = sandbox::Path("curl" + std::to_string(++calls) + ".log");
  testserver::RunCommand({"curl", "-s", "-o", "/dev/null", "-w", "%{http_code}", "--noproxy", "*", url}, log);
  return sandbox::ReadFile(log);
}

std::map<std::string, std::string> UploadSite::Received() const {
  std::map<std::string, std::string> files;
  for (const auto& entry : fs::directory_iterator(DataFolder()))
    files[entry.path().filename().string()] = sandbox::ReadFile(entry.path().string());
  return files;
}
