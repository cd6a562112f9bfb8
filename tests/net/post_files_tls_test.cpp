// Uploads over TLS to a server with a self-signed certificate.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <memory>
#include <sstream>
#include <thread>

#include "net/post_files.h"
#include "support/sandbox.h"
#include "support/trace_recorder.h"
#include "support/upload_servers.h"

namespace net {
namespace {

class PostFilesTls : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    sandbox::MakeDirs(Docroot());
    sandbox::MakeDirs(ProxyFolder());
    std::filesystem::copy_file(WXPUB_SOURCE_DIR "/server/upload.php", Docroot() + "/upload.php",
                               std::filesystem::copy_options::overwrite_existing);
    sandbox::WriteFile(Docroot() + "/fail500.php", "<?php http_response_code(500);");
    ASSERT_TRUE(testserver::MakeSelfSignedCertificate(ProxyFolder()));
    php_ = std::make_unique<testserver::PhpServer>(Docroot());
    proxy_ = std::make_unique<testserver::TlsProxy>(ProxyFolder(), php_->Port());
  }
  static void TearDownTestSuite() {
    proxy_.reset();
    php_.reset();
  }

  void SetUp() override {
    for (const char* proxy : {"http_proxy", "https_proxy", "HTTPS_PROXY", "all_proxy", "ALL_PROXY"}) ::unsetenv(proxy);
  }

  static std::string Docroot() { return sandbox::Path("tls_www"); }
  static std::string ProxyFolder() { return sandbox::Path("tls_proxy"); }

  static PostSettings Settings(bool relaxCertificate, const std::string& script = "/upload.php") {
    return {"https", testserver::LocalServer(proxy_->Port()), script, 10u << 20, relaxCertificate, false};
  }

  static std::string Local(const std::string& name) {
    const std::string path = sandbox::Path("tls_files/" + name);
    sandbox::WriteFile(path, "content of " + name);
    return path;
  }

  static std::string Stored(const std::string& name) { return Docroot() + "/data/" + name; }

  // Connection numbers of the requests answered with 200. nginx logs a request
  // after answering it, so the last line may still be on its way.
  static std::vector<std::string> AnsweredConnections(size_t expected) {
    std::vector<std::string> connections;
    for (int tries = 0; tries < 100 && connections.size() < expected; ++tries) {
      if (tries > 0) std::this_thread::sleep_for(std::chrono::milliseconds(50));
      connections.clear();
      std::istringstream log(proxy_->AccessLog());
      for (std::string connection, status; log >> connection >> status;)
        if (status == "200") connections.push_back(connection);
    }
    return connections;
  }

  static std::unique_ptr<testserver::PhpServer> php_;
  static std::unique_ptr<testserver::TlsProxy> proxy_;
};

std::unique_ptr<testserver::PhpServer> PostFilesTls::php_;
std::unique_ptr<testserver::TlsProxy> PostFilesTls::proxy_;

TEST_F(PostFilesTls, OwnCertificateIsRefusedUnlessAllowed) {
  PostFailure failure;
  EXPECT_FALSE(PostFiles({Local("refused.txt")}, Settings(false), &failure));
  EXPECT_FALSE(std::filesystem::exists(Stored("refused.txt")));
  EXPECT_NE(failure.reason.find("https://"), std::string::npos) << failure.reason;
  // The plain second attempt reaches the TLS port and is turned away by it.
  EXPECT_NE(failure.reason.find("HTTP status 400"), std::string::npos) << failure.reason;
}

TEST_F(PostFilesTls, ErrorStatusFailsTheFileWithoutPlainRetries) {
  const std::vector<std::string> files = {Local("refused.txt"), Local("never.txt")};
  PostFailure failure;
  TraceRecorder trace;
  EXPECT_FALSE(PostFiles(files, Settings(true, "/fail500.php"), &failure, &trace));
  EXPECT_EQ(trace.out, "127.0.0.1\t" + std::to_string(proxy_->Port()) + "\t/fail500.php\trefused.txt\t500\n");
  EXPECT_EQ(failure.path, files[0]);
  EXPECT_NE(failure.reason.find("HTTP status 500"), std::string::npos) << failure.reason;
}

TEST_F(PostFilesTls, AllowedCertificateCarriesEveryFileOverOneConnection) {
  const std::vector<std::string> files = {Local("one.txt"), Local("two.txt"), Local("three.txt")};
  TraceRecorder trace;
  EXPECT_TRUE(PostFiles(files, Settings(true), nullptr, &trace));
  const std::string& out = trace.out;
  EXPECT_NE(out.find("\t" + std::to_string(proxy_->Port()) + "\t/upload.php\tthree.txt\t200\n"), std::string::npos)
      << out;
  for (const char* name : {"one.txt", "two.txt", "three.txt"})
    EXPECT_EQ(sandbox::ReadFile(Stored(name)), std::string("content of ") + name);

  const std::vector<std::string> connections = AnsweredConnections(3);
  ASSERT_EQ(connections.size(), 3u);
  EXPECT_EQ(connections[1], connections[0]);
  EXPECT_EQ(connections[2], connections[0]);
}

}  // namespace
}  // namespace net
