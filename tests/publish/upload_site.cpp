#include "upload_site.h"

#include <curl/curl.h>

#include <filesystem>

namespace fs = std::filesystem;

namespace {

size_t Discard(char*, size_t size, size_t count, void*) { return size * count; }

}  // namespace

UploadSite::UploadSite(const std::string& docroot) : docroot_(Prepared(docroot)), server_(docroot_) {}

std::string UploadSite::Prepared(const std::string& docroot) {
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

long HttpGetStatus(const std::string& url) {
  CURL* curl = curl_easy_init();
  curl_easy_setopt(curl, CURLOPT_URL, url.c_str());
  curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, Discard);
  curl_easy_setopt(curl, CURLOPT_NOPROXY, "*");
  long status = 0;
  if (curl_easy_perform(curl) == CURLE_OK) curl_easy_getinfo(curl, CURLINFO_RESPONSE_CODE, &status);
  curl_easy_cleanup(curl);
  return status;
}
