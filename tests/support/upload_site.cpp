#include "support/upload_site.h"

#include <pwd.h>
#include <unistd.h>

#include <filesystem>

#include "support/sandbox.h"

namespace fs = std::filesystem;

std::string UserPageName() { return std::string(::getpwuid(::geteuid())->pw_name) + ".htm"; }

std::string WithUploadScript(const std::string& docroot) {
  sandbox::WriteFile(docroot + kUploadScript, sandbox::ReadFile(WXPUB_SOURCE_DIR "/server/upload.php"));
  return docroot;
}

void UploadSite::ClearData() const {
  fs::remove_all(docroot_ + "/up/data");
  fs::create_directories(docroot_ + "/up/data");
}

std::map<std::string, std::string> UploadSite::Received() const {
  std::map<std::string, std::string> files;
  for (const auto& entry : fs::directory_iterator(docroot_ + "/up/data"))
    files[entry.path().filename().string()] = sandbox::ReadFile(entry.path().string());
  return files;
}
