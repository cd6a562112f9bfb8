// Objects put through the real gateway: read back anonymously byte for byte,
// a large file in parts within bounded memory, and failures that leave nothing;
// then "wx_pub --upload --to s3://BUCKET/PREFIX" as a person runs it, with the
// credentials in the environment; all against the Ceph gateway the test run
// started, its objects read anonymously.

#include <curl/curl.h>
#include <gtest/gtest.h>
#include <strings.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <cstdlib>
#include <fstream>
#include <map>
#include <optional>
#include <vector>

#include "net/s3_address.h"
#include "net/s3_config.h"
#include "net/s3_upload.h"
#include "net/s3_xml.h"
#include "publish/upload_settings.h"
#include "support/program_run.h"
#include "support/sandbox.h"
#include "support/scoped_env.h"
#include "support/upload_site.h"

extern char** environ;

namespace s3test {
namespace {

struct Gateway {
  net::S3Config config;
  std::string bucket;
};

struct Fetched {
  long status = 0;
  std::string contentType, etag, body;
  size_t maxBody = 0;  // the body is cut there
};

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

// The gateway of the test run, read from the file the fixture wrote
// (WXPUB_S3_GATEWAY); every AWS_* variable of the environment is cleared first.
const Gateway& TheGateway() {
  static const Gateway gateway = ReadGateway();
  return gateway;
}

// A prefix no other test run or case uses.
net::S3Location FreshLocation(const std::string& label) {
  static std::atomic<int> counter{0};
  return {TheGateway().bucket, "t" + std::to_string(::getpid()) + "-" + std::to_string(++counter) + "/" + label};
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

// An anonymous GET of url, the body cut at maxBody bytes.
Fetched Fetch(const std::string& url, size_t maxBody = size_t{1} << 20) {
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

// The values of field in the listing of the location's prefix, with query added.
std::string Listed(const net::S3Location& location, const std::string& query, const std::string& field) {
  return net::XmlField(Fetch(TheGateway().config.endpoint + "/" + location.bucket + "?prefix=" +
                             net::S3Escape(location.prefix, false) + query).body, field);
}

// Keys stored and multipart uploads open below the location's prefix.
std::string ListedKeys(const net::S3Location& location) { return Listed(location, "", "Key"); }
std::string OpenUploads(const net::S3Location& location) { return Listed(location, "&uploads=", "UploadId"); }

}  // namespace
}  // namespace s3test

using s3test::TheGateway;

namespace net {
namespace {

struct Recorder : UploadObserver {
  Recorder(size_t files, uint64_t stopAfter = 0, std::atomic<bool>* stop = nullptr)
      : files(files), stopAfter(stopAfter), stop(stop) {}
  void OnFileStarted(size_t index, size_t count, const std::string&) override {
    started.push_back(index);
    EXPECT_EQ(count, files);
  }
  void OnBytesSent(uint64_t done, uint64_t total) override {
    sent = done;
    this->total = total;
    if (stopAfter && done >= stopAfter) *stop = true;
  }
  size_t files;
  uint64_t stopAfter;
  std::atomic<bool>* stop;
  std::vector<size_t> started;
  uint64_t sent = 0, total = 0;
};

// A file of size bytes, written a block at a time so the test holds none of it.
std::string WriteLargeFile(const std::string& name, uint64_t size) {
  const std::string path = sandbox::Path(name);
  std::ofstream out(path, std::ios::binary);
  std::string block(1 << 20, '\0');
  for (uint64_t written = 0; written < size; written += block.size()) {
    for (size_t i = 0; i < block.size(); i += 4096) block[i] = static_cast<char>(written / block.size() + i);
    out.write(block.data(), static_cast<std::streamsize>(std::min<uint64_t>(block.size(), size - written)));
  }
  return path;
}

TEST(S3Put, ObjectsReadBackAnonymously) {
  const S3Location location = s3test::FreshLocation("pub");
  const struct {
    std::string name, bytes, contentType, served;
  } rows[] = {
      {"a b.txt", "plain text\n", "", "text/plain"},
      {"日本語.jpg", std::string("\xff\xd8\xff\0jpeg", 8), "", "image/jpeg"},
      {"x+y&z.css", "", "", "text/css"},
      {"sub/no extension", "bytes", "", "application/octet-stream"},
      {"index.htm", "<p>page</p>", "text/html; charset=utf-8", "text/html; charset=utf-8"},
  };
  std::vector<S3Object> objects;
  for (const auto& row : rows)
    objects.push_back({row.name, sandbox::WriteFile(sandbox::Path("put/" + row.name), row.bytes), row.contentType});
  Recorder recorder(objects.size());
  S3Failure failure;
  ASSERT_TRUE(PutObjects(TheGateway().config, location, objects, {.parallel = 3}, &failure, &recorder, nullptr))
      << failure.name << ": " << failure.code << " " << failure.detail;
  EXPECT_EQ(recorder.started.size(), objects.size());
  EXPECT_EQ(recorder.sent, recorder.total);
  for (const auto& row : rows) {
    const auto fetched = s3test::Fetch(S3ObjectUrl(TheGateway().config, location, row.name));
    EXPECT_EQ(fetched.status, 200) << row.name;
    EXPECT_EQ(fetched.body, row.bytes) << row.name;
    EXPECT_EQ(fetched.contentType, row.served) << row.name;
  }
}

// Run in a child process, so that its peak resident size is the upload's.
TEST(S3Put, LargeFileGoesUpInPartsWithinBoundedMemory) {
  constexpr uint64_t kSize = uint64_t{100} << 20;
  const std::string path = WriteLargeFile("large.bin", kSize);
  const S3Location location = s3test::FreshLocation("large");
  const S3Config config = TheGateway().config;
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    S3Failure failure;
    _exit(PutObjects(config, location, {{"large.bin", path, ""}}, {}, &failure, nullptr, nullptr) ? 0 : 1);
  }
  int status = 0;
  rusage usage{};
  ASSERT_EQ(wait4(child, &status, 0, &usage), child);
  ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  const long peakKiB = usage.ru_maxrss;
  RecordProperty("peak_rss_kib", std::to_string(peakKiB));
  EXPECT_LT(peakKiB, 32 * 1024);  // not even one 16 MiB part held whole

  const auto fetched = s3test::Fetch(S3ObjectUrl(config, location, "large.bin"), kSize + 1);
  EXPECT_EQ(fetched.body.size(), kSize);
  EXPECT_TRUE(fetched.body == sandbox::ReadFile(path));
  EXPECT_TRUE(fetched.etag.ends_with("-7\"")) << fetched.etag;  // 16 MiB parts
  EXPECT_EQ(s3test::OpenUploads(location), "");
}

TEST(S3Put, FailuresLeaveNothingStored) {
  const std::string small = sandbox::WriteFile(sandbox::Path("fail/small.txt"), "small");
  const std::string large = WriteLargeFile("fail/large.bin", uint64_t{70} << 20);
  S3Config wrongSecret = TheGateway().config;
  wrongSecret.secretKey += "x";
  const struct {
    std::string label;
    S3Config config;
    std::string bucket;
    uint64_t stopAfter;
    std::string code, detail;
  } rows[] = {
      {"wrong secret", wrongSecret, "", 0, "SignatureDoesNotMatch", "HTTP status 403"},
      {"missing bucket", TheGateway().config, "no-such-bucket", 0, "NoSuchBucket", "HTTP status 404"},
      {"stopped in a multipart upload", TheGateway().config, "", uint64_t{20} << 20, "", "stopped"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.label);
    S3Location location = s3test::FreshLocation("fail");
    if (!row.bucket.empty()) location.bucket = row.bucket;
    std::atomic<bool> stop{false};
    Recorder recorder(2, row.stopAfter, &stop);
    S3Failure failure;
    // One at a time: the failure of the first keeps the second from starting.
    EXPECT_FALSE(PutObjects(row.config, location, {{"large.bin", large, ""}, {"small.txt", small, ""}},
                            {.parallel = 1}, &failure, &recorder, &stop));
    EXPECT_EQ(failure.name, "large.bin");
    EXPECT_EQ(failure.code, row.code);
    EXPECT_EQ(failure.detail, row.detail);
    EXPECT_EQ(recorder.started, std::vector<size_t>{0});
    if (row.bucket.empty()) {
      EXPECT_EQ(s3test::ListedKeys(location), "");
      EXPECT_EQ(s3test::OpenUploads(location), "");
    }
  }
}

}  // namespace
}  // namespace net

namespace {

// The published page, its files read back byte for byte; then jobs that
// must fail leave every object as it was and name the S3 error.
TEST(PublishToS3, ThePageAndItsFilesAreReadBackAndAFailedJobChangesNoObject) {
  const net::S3Config& gateway = TheGateway().config;
  const ScopedEnv key("AWS_ACCESS_KEY_ID", gateway.accessKey), secret("AWS_SECRET_ACCESS_KEY", gateway.secretKey),
      region("AWS_REGION", gateway.region), endpoint("AWS_ENDPOINT_URL", gateway.endpoint);
  const net::S3Location location = s3test::FreshLocation("cli/page");
  const std::string to = "s3://" + location.bucket + "/" + location.prefix;
  const std::pair<std::string, std::string> files[] = {
      {"photo.png", std::string("\x89PNG\r\n\x1a\n\0bytes", 14)}, {"a b.txt", "blank"}, {"日本.txt", "kana"}};
  std::vector<std::string> arguments = {"--upload", "--to", to};
  for (const auto& [name, bytes] : files) arguments.push_back(sandbox::WriteFile(sandbox::Path("s3src/" + name), bytes));

  const ProgramRun run = RunWxPub(arguments);
  ASSERT_EQ(run.status, 0) << run.err;
  const std::string pageAddress = LastLine(run.out);
  // The gateway's objects are addressed by path.
  EXPECT_EQ(pageAddress, gateway.endpoint + "/" + location.bucket + "/" + location.prefix + "/" + UserPageName());
  const s3test::Fetched page = s3test::Fetch(pageAddress);
  EXPECT_EQ(page.status, 200);
  EXPECT_EQ(page.contentType, "text/html; charset=utf-8");
  for (const std::string staged : {"photo.png", "a_b.txt", "ec.txt"}) {
    EXPECT_NE(page.body.find("\"" + staged + "\""), std::string::npos) << staged << page.body;
  }
  EXPECT_EQ(s3test::Fetch(net::S3ObjectUrl(gateway, location, "photo.png")).body, files[0].second);
  EXPECT_EQ(s3test::Fetch(net::S3ObjectUrl(gateway, location, "a_b.txt")).body, "blank");
  EXPECT_EQ(s3test::Fetch(net::S3ObjectUrl(gateway, location, "ec.txt")).body, "kana");
  const std::string stored = s3test::ListedKeys(location);

  const std::string large = sandbox::WriteFile(sandbox::Path("s3src/large.bin"), std::string(2 << 20, 'l'));
  const struct {
    const char* label;
    std::string settings, variable;
    std::optional<std::string> value;
    std::string err;
  } failing[] = {
      {"above its own limit", "s3_max_file_size=1M\n", "AWS_REGION", gateway.region,
       "/large.bin: the file is larger than the limit of 1 MiB"},
      {"wrong secret", "", "AWS_SECRET_ACCESS_KEY", "wrong", "SignatureDoesNotMatch"},
      {"no credentials", "", "AWS_ACCESS_KEY_ID", std::nullopt, "AWS_ACCESS_KEY_ID"},
  };
  for (const auto& row : failing) {
    sandbox::WriteFile(publish::SettingsFilePath(), "[Preference_202206]\n" + row.settings);
    const ScopedEnv changed(row.variable.c_str(), row.value);
    std::vector<std::string> again = arguments;
    again.push_back(large);
    const ProgramRun failed = RunWxPub(again);
    EXPECT_EQ(failed.status, 1) << row.label;
    EXPECT_NE(failed.err.find(row.err), std::string::npos) << row.label << failed.err;
    EXPECT_EQ(failed.out.find("http"), std::string::npos) << row.label;
    EXPECT_EQ(s3test::ListedKeys(location), stored) << row.label;
    EXPECT_EQ(s3test::Fetch(pageAddress).body, page.body) << row.label;
  }
}

}  // namespace
