// One GET into a local file, and uploads through PHP's own multipart parser
// with the reference script, over plain HTTP and over TLS to a server with a
// self-signed certificate; from servers on 127.0.0.1 that the tests start.

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <memory>
#include <regex>
#include <set>
#include <sstream>
#include <thread>

#include "net/certificate_pins.h"
#include "net/http_get.h"
#include "net/post_files.h"
#include "platform/fs/file_status.h"
#include "platform/system/clock.h"
#include "platform/system/feedback.h"
#include "suite/folders.h"
#include "support/local_http_server.h"
#include "support/manual_clock.h"
#include "support/program_run.h"
#include "support/sandbox.h"
#include "support/scoped_env.h"
#include "support/trace_record.h"
#include "support/upload_servers.h"

namespace net {
namespace {

// A body within the limits is kept; anything that ends the transfer early
// reports failure, keeps no file and writes one trace line naming the server.
TEST(HttpGet, OutcomesAndLimits) {
  ScopedEnv noProxy("no_proxy", std::string("*"));
  ManualClock clock;  // the failed opens retry without sleeping
  const DownloadLimits quick{.totalMs = 1000, .maxBytes = 1 << 20};
  using Mode = LocalHttpServer::Mode;
  const struct {
    Mode mode;
    std::string head, body;
    const char* file;
    std::string reason;  // empty: the body is stored
  } cases[] = {
      {Mode::kAnswer, "", std::string(1 << 20, 'b'), "page.htm", ""},
      {Mode::kRefuse, "", "", "refused.htm", "Failed to connect"},
      {Mode::kSilent, "", "", "silent.htm", "Operation timed out"},
      {Mode::kAnswer, "", "body", "no/such/folder/page.htm", "Can't open wb  "},
      {Mode::kAnswer, "", std::string((1 << 20) + 1, 'b'), "large.htm", "Body larger than 1048576 bytes"},
      {Mode::kAnswer, "Location: /again\r\n", "moved", "loop.htm", "Maximum (10) redirects followed"},
  };
  for (const auto& c : cases) {
    LocalHttpServer server(c.mode);
    server.SetResponse(c.head.empty() ? 200 : 302, c.body, c.head);
    const std::string path = sandbox::Path(c.file);
    const auto start = std::chrono::steady_clock::now();
    TraceRecord trace;
    EXPECT_EQ(HttpGet("http:", "//" + server.HostPort() + "/", path, trace.Sink(), quick), c.reason.empty()) << c.file;
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(3)) << c.file;
    EXPECT_EQ(sandbox::ReadFile(path), c.reason.empty() ? c.body : "") << c.file;
    EXPECT_EQ(platform::FileExists(path), c.reason.empty()) << c.file;
    const std::string line = "127.0.0.1\t" + std::to_string(server.Port()) + "\t" + c.reason;
    EXPECT_EQ(trace.error.substr(0, line.size()), c.reason.empty() ? "" : line) << trace.error;
    EXPECT_EQ(std::count(trace.error.begin(), trace.error.end(), '\n'), c.reason.empty() ? 0 : 1) << trace.error;
  }
  // An address that cannot be parsed reaches no server.
  TraceRecord unparsable;
  EXPECT_FALSE(HttpGet("http:", "//a b/", sandbox::Path("unparsable.htm"), unparsable.Sink()));
  EXPECT_EQ(unparsable.error, "Failed AfxParseURL |http://a b/\n");
  EXPECT_FALSE(platform::FileExists(sandbox::Path("unparsable.htm")));
}

constexpr size_t kMiB = 1048576;

class PostFilesTest : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    ::setenv("no_proxy", "*", 1);
    std::filesystem::create_directories(sandbox::Path("tls"));
    sandbox::WriteFile(Docroot() + "/upload.php", sandbox::ReadFile(WXPUB_SOURCE_DIR "/server/upload.php"));
    sandbox::WriteFile(Docroot() + "/endless.php", "<?php while (true) { echo str_repeat('x', 65536); flush(); }");
    sandbox::WriteFile(Docroot() + "/fail500.php", "<?php http_response_code(500);");
    // Longer than the stall time between the last body byte and the answer.
    sandbox::WriteFile(Docroot() + "/slow.php",
                       "<?php if ($_FILES['file_img']['name'] === 'file.txt') sleep(6); require 'upload.php';");
    std::filesystem::create_directories(suite::GetSettingsFolder());
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

  // The connection number of every answer with 200 that nginx logged past byte
  // from, once there are count. nginx logs a request after answering it, so
  // the last line may still be on its way.
  static std::vector<std::string> Connections(size_t from, size_t count) {
    std::vector<std::string> connections;
    for (int tries = 0; tries < 100 && connections.size() < count; ++tries) {
      std::this_thread::sleep_for(std::chrono::milliseconds(50));
      std::istringstream log(sandbox::ReadFile(sandbox::Path("tls/access.log")).substr(from));
      connections.clear();
      for (std::string connection, status; log >> connection >> status;)
        if (status == "200") connections.push_back(connection);
    }
    return connections;
  }

  static inline std::unique_ptr<testserver::PhpServer> php_;
  static inline std::unique_ptr<testserver::TlsProxy> tls_;
};

// The status decides while the answer streams on. A file above the limit, a
// server that does not answer, a setting with user info, an error status, a
// redirect, an answer head too long or a certificate no one vouches for fail
// the file and end the list. Only a plain direct attempt that could not
// connect brings another; nothing meant for TLS, and nothing past a proxy,
// goes in clear.
TEST_F(PostFilesTest, WhatTheServerDoesDecidesTheFile) {
  LocalHttpServer silent(LocalHttpServer::Mode::kSilent), refused(LocalHttpServer::Mode::kRefuse);
  LocalHttpServer redirect, bigHead, plain;
  redirect.SetResponse(302, "", "Location: /moved/\r\n");
  bigHead.SetResponse(200, "", "X-Filler: " + std::string(200000, 'x') + "\r\n");
  const auto at = [](unsigned port) { return "127.0.0.1\t" + std::to_string(port) + "\t"; };
  const std::string silentAt = at(silent.Port()), plainAt = at(php_->port), tlsAt = at(tls_->port);
  const std::string refusedAt = at(refused.Port()), clearAt = at(plain.Port());
  // The trace of file.txt (and of after.txt) answered with status, or of an attempt at script that got no answer.
  const auto answered = [](const std::string& at, const std::string& script, const std::string& status, bool after) {
    return at + script + "\tfile.txt\t" + status + "\n" + (after ? at + script + "\tafter.txt\t" + status + "\n" : "");
  };
  const auto unanswered = [](const std::string& at) { return at + "/upload.php\tfile.txt\n" + at; };
  const std::string deadProxy = "http://" + testserver::LocalServer(testserver::FreePort());
  using Kind = TransportOutcome::Kind;
  const struct {
    PostSettings settings;
    size_t size;
    std::string output, reason;
    TransportOutcome cause;
    long errorLines;
    const char* proxyVariable = nullptr;
  } rows[] = {
      {Settings("/endless.php"), 1, answered(plainAt, "/endless.php", "200", true), "", {}, 0},
      {Settings("/slow.php"), 1, answered(plainAt, "/slow.php", "200", true), "", {}, 0},
      {Settings(), kMiB + 1, "", "file of 1048577 bytes is above the upload size limit of 1048576",
       {Kind::TooLarge, 1048576}, 0},
      {{"http", silent.HostPort(), "/upload.php", kMiB, false, false, 1}, 1, unanswered(silentAt),
       "no answer 1 s after the request was sent", {Kind::NoAnswer}, 1},
      {Settings("/upload.php", "someuser:pw@" + Plain()), 1, "",
       "server setting \"***@" + Plain() + "\" is not a host name with an optional port", {Kind::Unreachable}, 0},
      {Settings("/fail500.php", Tls(), "https", true), 1, answered(tlsAt, "/fail500.php", "500", false),
       "HTTP status 500", {Kind::Status, 500}, 0},
      {Settings("/upload.php", redirect.HostPort()), 1, answered(at(redirect.Port()), "/upload.php", "302", false),
       "HTTP status 302, a redirect to http://" + redirect.HostPort() + "/moved/", {Kind::Status, 302}, 0},
      {Settings("/upload.php", bigHead.HostPort()), 1, unanswered(at(bigHead.Port())), "answer head too long",
       {Kind::AnswerTooLarge}, 1},
      {Settings("/upload.php", Tls(), "https"), 1, unanswered(tlsAt),
       "https://" + Tls() + "/upload.php: SSL certificate problem", {Kind::Untrusted}, 1},
      // A TLS handshake with a plain server: the scheme in capitals asks for TLS too.
      {Settings("/upload.php", plain.HostPort(), "HTTPS"), 1, unanswered(clearAt),
       "https://" + plain.HostPort() + "/upload.php: ", {Kind::Untrusted}, 1},
      {Settings("/upload.php", refused.HostPort(), "https"), 1, unanswered(refusedAt),
       "https://" + refused.HostPort() + "/upload.php: ", {Kind::Unreachable}, 1},
      {Settings("/upload.php", plain.HostPort(), "https"), 1, unanswered(clearAt),
       "(through the proxy " + deadProxy + ")", {Kind::Unreachable}, 1, "https_proxy"},
      {Settings("/upload.php", plain.HostPort()), 1, unanswered(clearAt), "(through the proxy " + deadProxy + ")",
       {Kind::Unreachable}, 1, "http_proxy"},
  };
  for (const auto& row : rows) {
    const ScopedEnv noBypass("no_proxy", row.proxyVariable ? std::nullopt : std::optional<std::string>("*"));
    const ScopedEnv proxy(row.proxyVariable ? row.proxyVariable : "all_proxy",
                          row.proxyVariable ? std::optional(deadProxy) : std::nullopt);
    const std::vector<std::string> files = {Local("file.txt", std::string(row.size, 'f')), Local("after.txt")};
    std::filesystem::remove(Stored("file.txt"));
    PostFailure failure;
    TraceRecord trace;
    EXPECT_EQ(PostFiles(files, row.settings, &failure, &trace), row.reason.empty()) << row.output;
    EXPECT_EQ(trace.output, row.output);
    EXPECT_EQ(failure.path, row.reason.empty() ? "" : files[0]);
    EXPECT_TRUE(Says(failure.reason, row.reason)) << failure.reason;
    EXPECT_EQ(failure.reason.find("not trusted"), std::string::npos) << "the cause is told once: " << failure.reason;
    EXPECT_EQ(std::tie(failure.cause.kind, failure.cause.number), std::tie(row.cause.kind, row.cause.number))
        << failure.reason;
    EXPECT_EQ(std::count(trace.error.begin(), trace.error.end(), '\n'), row.errorLines) << trace.error;
    EXPECT_FALSE(!row.reason.empty() && std::filesystem::exists(Stored("file.txt"))) << row.output;
  }
  EXPECT_TRUE(plain.Requests().empty());
  // nginx answers a plain request on its TLS port with 400.
  EXPECT_EQ(sandbox::ReadFile(sandbox::Path("tls/access.log")).find(" 400"), std::string::npos);
}

// A file that holds the boundary of its request, with a part of its own
// behind it, is stored as it is and adds no file.
TEST_F(PostFilesTest, FileBytesNeverFormAPartOfTheirOwn) {
  ManualClock clock;
  const std::string boundary = "-----upfile.hxx__" + platform::FormatLocalTime("%H%M%S", clock.now);
  const std::string part = "Content-Disposition: form-data; name=\"file_img\"; filename=\"evil.html\"\r\n"
                           "Content-Type: text/html\r\n\r\n<script>alert(1)</script>";
  for (const std::string& content : {"x\r\n--" + boundary + "\r\n" + part + "\r\n--" + boundary + "--\r\n",
                                     "--" + boundary + "\r\n" + part, "x--" + boundary + "--\r\n"}) {
    EXPECT_TRUE(PostFiles({Local("forged.txt", content)}, Settings()));
    EXPECT_EQ(sandbox::ReadFile(Stored("forged.txt")), content);
    EXPECT_FALSE(std::filesystem::exists(Stored("evil.html")));
  }
}

// The first upload pins the key of a server's own certificate; a server on
// the same host and port with another certificate gets nothing until its
// line is deleted.
TEST_F(PostFilesTest, OwnCertificateIsPinnedAtTheFirstUpload) {
  const uint16_t port = testserver::FreePort();
  const std::string hostPort = testserver::LocalServer(port);
  const PostSettings settings = Settings("/upload.php", hostPort, "https", true);
  const auto keyOf = [](const std::string& folder) {
    return "sha256//" + CommandOutput({"sh", "-c", "openssl x509 -in " + folder + "/cert.pem -pubkey -noout | "
                                       "openssl pkey -pubin -outform der | openssl dgst -sha256 -binary | base64"})
                            .substr(0, 44);
  };
  std::string firstKey;
  {
    std::filesystem::create_directories(sandbox::Path("pin1"));
    const testserver::TlsProxy first(sandbox::Path("pin1"), php_->port, port);
    EXPECT_TRUE(PostFiles({Local("pinned.txt", "1")}, settings));
    firstKey = keyOf(sandbox::Path("pin1"));
  }
  EXPECT_EQ(sandbox::ReadFile(PinFilePath()).find(hostPort + " " + firstKey + "\n"), 0u);
  std::filesystem::create_directories(sandbox::Path("pin2"));
  const testserver::TlsProxy second(sandbox::Path("pin2"), php_->port, port);
  const std::string secondKey = keyOf(sandbox::Path("pin2"));
  PostFailure failure;
  EXPECT_FALSE(PostFiles({Local("pinned.txt", "2")}, settings, &failure));
  EXPECT_EQ(failure.cause.kind, TransportOutcome::Kind::Untrusted);
  for (const std::string& text : {firstKey, secondKey, "delete the line of " + hostPort + " from " + PinFilePath()})
    EXPECT_NE(failure.reason.find(text), std::string::npos) << failure.reason;
  EXPECT_EQ(sandbox::ReadFile(Stored("pinned.txt")), "1");
  sandbox::WriteFile(PinFilePath(), "");
  EXPECT_TRUE(PostFiles({Local("pinned.txt", "3")}, settings));
  EXPECT_EQ(sandbox::ReadFile(Stored("pinned.txt")), "3");
  EXPECT_EQ(sandbox::ReadFile(PinFilePath()), hostPort + " " + secondKey + "\n");
}

// The user folder of the script address is its own.
TEST_F(PostFilesTest, ScriptStoresOnlySafeNames) {
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
  const std::vector<std::string> connections = Connections(0, 3);
  ASSERT_EQ(connections.size(), 3u);
  EXPECT_EQ(connections, std::vector<std::string>(3, connections[0]));
}

// Side by side: every file arrives, over more than one connection, and each
// file's trace line reaches the observer whole.
TEST_F(PostFilesTest, SeveralFilesGoAtOnceEachTraceLineWhole) {
  TraceRecord trace;
  PostSettings settings = Settings("/upload.php", Tls(), "https", true);
  settings.parallel = 3;
  std::vector<std::string> paths;
  for (const char* name : {"p1.txt", "p2.txt", "p3.txt", "p4.txt", "p5.txt"})
    paths.push_back(Local(name, std::string(200000, name[1])));
  const size_t logged = sandbox::ReadFile(sandbox::Path("tls/access.log")).size();
  ASSERT_TRUE(PostFiles(paths, settings, nullptr, &trace));
  for (const std::string& path : paths)
    EXPECT_TRUE(sandbox::ReadFile(Stored(platform::GetFileName(path))) == std::string(200000, path[path.size() - 5]))
        << path;
  const std::string line = R"(127\.0\.0\.1\t\d+\t/upload\.php\tp\d\.txt\t200\n)";
  EXPECT_TRUE(std::regex_match(trace.output, std::regex("(" + line + "){5}"))) << trace.output;
  const std::vector<std::string> connections = Connections(logged, paths.size());
  EXPECT_GE(std::set(connections.begin(), connections.end()).size(), 2u);
}

}  // namespace
}  // namespace net
