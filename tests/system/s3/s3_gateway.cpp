#include "s3_gateway.h"

#include <curl/curl.h>
#include <strings.h>
#include <unistd.h>

#include <atomic>
#include <cstdlib>
#include <fstream>
#include <map>
#include <vector>

#include "net/s3_xml.h"

extern char** environ;

namespace s3test {
namespace {

void ClearAwsEnvironment() {
  std::vector<std::string> names;
  for (char** entry = environ; *entry; ++entry) {
    const std::string text = *entry;
    if (text.starts_with("AWS_")) names.push_back(text.substr(0, text.find('=')));
  }
  for (const std::string& name : names) ::unsetenv(name.c_str());
}

Gateway ReadGateway() {
  ClearAwsEnvironment();
  const char* file = std::getenv("WXPUB_S3_GATEWAY");
  std::ifstream in(file ? file : "");
  std::map<std::string, std::string> values;
  std::string line;
  while (std::getline(in, line))
    if (const auto equals = line.find('='); equals != std::string::npos)
      values[line.substr(0, equals)] = line.substr(equals + 1);
  return {{values["access_key"], values["secret_key"], "", values["region"], values["endpoint"]}, values["bucket"]};
}

size_t KeepHeader(char* data, size_t size, size_t count, void* fetched) {
  const std::string line(data, size * count);
  auto value = [&] { return line.substr(line.find(':') + 2, line.find_last_not_of("\r\n") - line.find(':') - 1); };
  if (strncasecmp(line.c_str(), "content-type:", 13) == 0) static_cast<Fetched*>(fetched)->contentType = value();
  if (strncasecmp(line.c_str(), "etag:", 5) == 0) static_cast<Fetched*>(fetched)->etag = value();
  return size * count;
}

size_t KeepBody(char* data, size_t size, size_t count, void* fetched) {
  auto& keep = *static_cast<Fetched*>(fetched);
  keep.body.append(data, std::min(size * count, keep.maxBody - keep.body.size()));
  return size * count;
}

// The values of field in the listing of the location's prefix, with query added.
std::string Listed(const net::S3Location& location, const std::string& query, const std::string& field) {
  return net::XmlField(Fetch(TheGateway().config.endpoint + "/" + location.bucket + "?prefix=" +
                             net::S3Escape(location.prefix, false) + query).body, field);
}

}  // namespace

const Gateway& TheGateway() {
  static const Gateway gateway = ReadGateway();
  return gateway;
}

net::S3Location FreshLocation(const std::string& label) {
  static std::atomic<int> counter{0};
  return {TheGateway().bucket, "t" + std::to_string(::getpid()) + "-" + std::to_string(++counter) + "/" + label};
}

Fetched Fetch(const std::string& url, size_t maxBody) {
  Fetched fetched;
  fetched.maxBody = maxBody;
  CURL* curl = curl_easy_init();
  curl_easy_setopt(curl, CURLOPT_URL, url.c_str());
  curl_easy_setopt(curl, CURLOPT_HEADERFUNCTION, KeepHeader);
  curl_easy_setopt(curl, CURLOPT_HEADERDATA, &fetched);
  curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, KeepBody);
  curl_easy_setopt(curl, CURLOPT_WRITEDATA, &fetched);
  if (curl_easy_perform(curl) == CURLE_OK) curl_easy_getinfo(curl, CURLINFO_RESPONSE_CODE, &fetched.status);
  curl_easy_cleanup(curl);
  return fetched;
}

std::string ListedKeys(const net::S3Location& location) { return Listed(location, "", "Key"); }
std::string OpenUploads(const net::S3Location& location) { return Listed(location, "&uploads=", "UploadId"); }

}  // namespace s3test
