// Uploads through PHP's own multipart parser with the reference script, over
// plain HTTP and over TLS to a server with a self-signed certificate.
#include "net/post_files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <sstream>
#include <thread>

#include "net/http_get.h"
#include "platform/feedback.h"
#include "support/local_http_server.h"
#include "support/sandbox.h"
#include "support/trace_record.h"
#include "support/upload_servers.h"

namespace net {
namespace {

constexpr size_t kMiB = 1048576;

class PostFilesTest : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    ::setenv("no_proxy", "*", 1);
    std::filesystem::create_directories(sandbox::Path("tls"));
    sandbox::WriteFile(Docroot() + "/upload.php", sandbox::ReadFile(WXPUB_SOURCE_DIR "/server/upload.php"));
    sandbox::WriteFile(Docroot() + "/endless.php", "<?php while (true) { echo str_repeat('x', 65536); flush(); }");
    sandbox::WriteFile(Docroot() + "/fail500.php", "<?php http_response_code(500);");
    php_ = std::make_unique<testserver::PhpServer>(Docroot());
    tls_ = std::make_unique<testserver::TlsProxy>(sandbox::Path("tls"), php_->port);
  }

  static std::string Docroot() { return sandbox::Path("www"); }
  static std::string Stored(const std::string& name) { return Docroot() + "/data/" + name; }
  static std::string Plain() { return testserver::LocalServer(php_->port); }
  static std::string Tls() { return testserver::LocalServer(tls_->port); }
  static PostSettings Settings(const std::string& script = "/upload.php", const std::string& server = Plain(),
                               const std::string& scheme = "http", bool relaxCertificate = false) {
    return {scheme, server, script, kMiB, relaxCertificate, false};
  }
  static std::string Local(const std::string& name, const std::string& content = "content") {
    return sandbox::WriteFile(sandbox::Path("files/" + name), content);
  }

  static inline std::unique_ptr<testserver::PhpServer> php_;
  static inline std::unique_ptr<testserver::TlsProxy> tls_;
};

// The status decides while the answer streams on. A file above the limit, a
// server that does not answer, a setting with user info, an error status or
// an own certificate fail the file and end the list; only a failed connection
// brings another attempt.
TEST_F(PostFilesTest, WhatTheServerDoesDecidesTheFile) {
  LocalHttpServer silent(LocalHttpServer::Mode::kSilent);
  const auto at = [](unsigned port) { return "127.0.0.1\t" + std::to_string(port) + "\t"; };
  const std::string silentAt = at(silent.Port()), plainAt = at(php_->port), tlsAt = at(tls_->port);
  using Kind = FailureCause::Kind;
  const struct {
    PostSettings settings;
    size_t size;
    std::string output, reason;
    FailureCause cause;
    long errorLines;
  } rows[] = {
      {Settings("/endless.php"), 1,
       plainAt + "/endless.php\tfile.txt\t200\n" + plainAt + "/endless.php\tafter.txt\t200\n", "", {}, 0},
      {Settings(), kMiB + 1, "", "file of 1048577 bytes is above the upload size limit of 1048576",
       {Kind::TooLarge, 1048576}, 0},
      {Settings("/upload.php", silent.HostPort()), 1, silentAt + "/upload.php\tfile.txt\n" + silentAt,
       "Operation too slow", {Kind::NoAnswer}, 1},
      {Settings("/upload.php", "someuser:pw@" + Plain()), 1, "",
       "server setting \"***@" + Plain() + "\" is not a host name with an optional port", {Kind::ServerUnreachable}, 0},
      {Settings("/fail500.php", Tls(), "https", true), 1, tlsAt + "/fail500.php\tfile.txt\t500\n", "HTTP status 500",
       {Kind::ServerStatus, 500}, 0},
      // The plain second attempt reaches the TLS port and is turned away by it.
      {Settings("/upload.php", Tls(), "https"), 1,
       tlsAt + "/upload.php\tfile.txt\n" + tlsAt + tlsAt + "/upload.php\tfile.txt\t400\n",
       "https://" + Tls() + "/upload.php: SSL certificate problem", {Kind::ServerUnreachable}, 1},
  };
  for (const auto& row : rows) {
    const std::vector<std::string> files = {Local("file.txt", std::string(row.size, 'f')), Local("after.txt")};
    PostFailure failure;
    TraceRecord trace;
    EXPECT_EQ(PostFiles(files, row.settings, &failure, &trace), row.reason.empty()) << row.output;
    EXPECT_EQ(trace.output, row.output);
    EXPECT_EQ(failure.path, row.reason.empty() ? "" : files[0]);
    EXPECT_NE(failure.reason.find(row.reason), std::string::npos) << failure.reason;
    EXPECT_EQ(std::tie(failure.cause.kind, failure.cause.number), std::tie(row.cause.kind, row.cause.number))
        << failure.reason;
    EXPECT_EQ(std::count(trace.error.begin(), trace.error.end(), '\n'), row.errorLines) << trace.error;
  }
  EXPECT_FALSE(std::filesystem::exists(Stored("file.txt")));
}

TEST_F(PostFilesTest, ScriptStoresOnlySafeNames) {
  for (const char* name : {"page.php", "shell.PHTML", ".htaccess", "run.sh."}) {
    TraceRecord trace;
    EXPECT_FALSE(PostFiles({Local(name, "<?php echo 1;")}, Settings(), nullptr, &trace)) << name;
    EXPECT_TRUE(trace.output.ends_with("\t403\n")) << name;
    EXPECT_FALSE(std::filesystem::exists(Stored(name))) << name;
  }
  EXPECT_FALSE(PostFiles({Local("escape.txt", "e")}, Settings("/upload.php?User=..")));
  EXPECT_TRUE(PostFiles({Local("mine.txt", "m")}, Settings("/upload.php?User=hanako")));
  EXPECT_EQ(sandbox::ReadFile(Docroot() + "/hanako/mine.txt"), "m");
  EXPECT_FALSE(std::filesystem::exists(sandbox::Path("escape.txt")));
}

TEST_F(PostFilesTest, DownloadsVerifyTheCertificate) {
  TraceRecord trace;
  EXPECT_FALSE(HttpGet("https:", "//" + Tls() + "/", sandbox::Path("tls/page.htm"), trace.Sink()));
  EXPECT_FALSE(std::filesystem::exists(sandbox::Path("tls/page.htm")));
  EXPECT_NE(trace.error.find("certificate"), std::string::npos) << trace.error;
}

// Folders and missing files are nothing to send; the file at the limit goes.
TEST_F(PostFilesTest, AllowedCertificateCarriesEveryFileOverOneConnection) {
  TraceRecord trace;
  const std::vector<std::string> paths = {Local("one.txt", "1"), sandbox::Path("files/not_there.txt"), Docroot(),
                                          Local("two.txt", "2"), Local("limit.bin", std::string(kMiB, 'L'))};
  EXPECT_TRUE(PostFiles(paths, Settings("/upload.php", Tls(), "https", true), nullptr, &trace));
  EXPECT_TRUE(trace.output.ends_with("\t" + std::to_string(tls_->port) + "\t/upload.php\tlimit.bin\t200\n"));
  EXPECT_EQ(platform::ProgressStepCount(), paths.size());
  EXPECT_EQ(sandbox::ReadFile(Stored("one.txt")) + sandbox::ReadFile(Stored("two.txt")), "12");
  EXPECT_EQ(sandbox::ReadFile(Stored("limit.bin")), std::string(kMiB, 'L'));
  // The connection number of every answer with 200. nginx logs a request
  // after answering it, so the last line may still be on its way.
  std::vector<std::string> connections;
  for (int tries = 0; tries < 100 && connections.size() < 3; ++tries) {
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    std::istringstream log(sandbox::ReadFile(sandbox::Path("tls/access.log")));
    connections.clear();
    for (std::string connection, status; log >> connection >> status;)
      if (status == "200") connections.push_back(connection);
  }
  ASSERT_EQ(connections.size(), 3u);
  EXPECT_EQ(connections, std::vector<std::string>(3, connections[0]));
}

}  // namespace
}  // namespace net
