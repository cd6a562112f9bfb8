// Uploads through PHP's own multipart parser, with the reference script.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "net/post_files.h"
#include "platform/feedback.h"
#include "support/sandbox.h"
#include "support/trace_recorder.h"
#include "support/upload_servers.h"

namespace net {
namespace {

constexpr size_t kMiB = 1048576;

class PostFilesPhp : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    sandbox::MakeDirs(Docroot());
    std::filesystem::copy_file(WXPUB_SOURCE_DIR "/server/upload.php", Docroot() + "/upload.php",
                               std::filesystem::copy_options::overwrite_existing);
    sandbox::WriteFile(Docroot() + "/endless.php", "<?php while (true) { echo str_repeat('x', 65536); flush(); }");
    server_ = std::make_unique<testserver::PhpServer>(Docroot());
  }
  static void TearDownTestSuite() { server_.reset(); }

  void SetUp() override {
    for (const char* proxy : {"http_proxy", "https_proxy", "HTTPS_PROXY", "all_proxy", "ALL_PROXY"}) ::unsetenv(proxy);
  }

  static std::string Docroot() { return sandbox::Path("php_www"); }
  static std::string Server() { return testserver::LocalServer(server_->Port()); }

  static PostSettings Settings(const std::string& script = "/upload.php", const std::string& server = Server()) {
    return {"http", server, script, kMiB, false, false};
  }

  static std::string Local(const std::string& name, const std::string& content) {
    const std::string path = sandbox::Path("php_files/" + name);
    sandbox::WriteFile(path, content);
    return path;
  }

  static std::string Stored(const std::string& name) { return Docroot() + "/data/" + name; }

  static std::unique_ptr<testserver::PhpServer> server_;
};

std::unique_ptr<testserver::PhpServer> PostFilesPhp::server_;

TEST_F(PostFilesPhp, EveryFileArrivesByteForByte) {
  std::string allBytes;
  for (int round = 0; round < 4; ++round)
    for (int value = 0; value < 256; ++value) allBytes += static_cast<char>(value);
  const std::vector<std::pair<std::string, std::string>> files = {
      {"all_bytes.bin", allBytes},
      {"empty.txt", ""},
      {"日本語の名前.txt", "こんにちは\r\n"},
      {"say \"cheese\".txt", "quoted"},
      {"exactly_limit.bin", std::string(kMiB, 'L')},
      {"boundary_like.txt", "\r\n-----upfile.hxx__000000--\r\n"},
  };
  std::vector<std::string> paths;
  for (const auto& [name, content] : files) paths.push_back(Local(name, content));
  paths.insert(paths.begin() + 1, sandbox::Path("php_files/not_there.txt"));

  PostFailure failure{"x", "y", {}};
  TraceRecorder trace;
  EXPECT_TRUE(PostFiles(paths, Settings(), &failure, &trace));
  EXPECT_NE(trace.out.find("127.0.0.1\t" + std::to_string(server_->Port()) + "\t/upload.php\tempty.txt\t200\n"),
            std::string::npos);
  EXPECT_EQ(failure.path, "");
  EXPECT_EQ(platform::ProgressStepCount(), paths.size());
  for (const auto& [name, content] : files) {
    ASSERT_TRUE(std::filesystem::exists(Stored(name))) << name;
    EXPECT_TRUE(sandbox::ReadFile(Stored(name)) == content) << name;
  }
}

TEST_F(PostFilesPhp, FileAboveTheLimitStopsTheList) {
  const std::vector<std::string> paths = {Local("before.txt", "b"), Local("too_big.bin", std::string(kMiB + 1, 'x')),
                                          Local("after.txt", "a")};
  PostFailure failure;
  EXPECT_FALSE(PostFiles(paths, Settings(), &failure));
  EXPECT_EQ(failure.path, paths[1]);
  EXPECT_NE(failure.reason.find("limit"), std::string::npos) << failure.reason;
  EXPECT_TRUE(std::filesystem::exists(Stored("before.txt")));
  EXPECT_FALSE(std::filesystem::exists(Stored("too_big.bin")));
  EXPECT_FALSE(std::filesystem::exists(Stored("after.txt")));
}

TEST_F(PostFilesPhp, StatusDecidesWhileTheAnswerStreamsOn) {
  TraceRecorder trace;
  EXPECT_TRUE(PostFiles({Local("streamed.txt", "s")}, Settings("/endless.php"), nullptr, &trace));
  EXPECT_NE(trace.out.find("streamed.txt\t200\n"), std::string::npos);
}

TEST_F(PostFilesPhp, ServerWithUserInfoIsRefusedBeforeAnyRequest) {
  PostFailure failure;
  TraceRecorder trace;
  const PostSettings userInfo = Settings("/upload.php", "someuser:pw@" + Server());
  EXPECT_FALSE(PostFiles({Local("user.txt", "u")}, userInfo, &failure, &trace));
  EXPECT_EQ(trace.out, "");
  EXPECT_EQ(failure.reason, "server setting \"***@" + Server() + "\" is not a host name with an optional port");
}

TEST_F(PostFilesPhp, SilentServerFailsTheAttempt) {
  testserver::SilentServer silent;
  const std::string path = Local("unanswered.txt", "u");
  TraceRecorder trace;
  EXPECT_FALSE(PostFiles({path}, Settings("/upload.php", testserver::LocalServer(silent.Port())), nullptr, &trace));
  const std::string& out = trace.out;
  const std::string& err = trace.err;
  const std::string hostPort = "127.0.0.1\t" + std::to_string(silent.Port()) + "\t";
  EXPECT_EQ(out, hostPort + "/upload.php\tunanswered.txt\n" + hostPort);
  EXPECT_FALSE(err.empty());
  EXPECT_EQ(err.back(), '\n');
}

TEST_F(PostFilesPhp, ScriptStoresOnlySafeNames) {
  for (const char* name : {"page.php", "shell.PHTML", ".htaccess", "run.sh."}) {
    TraceRecorder trace;
    EXPECT_FALSE(PostFiles({Local(name, "<?php echo 1;")}, Settings(), nullptr, &trace)) << name;
    EXPECT_NE(trace.out.find("\t403\n"), std::string::npos) << name;
    EXPECT_FALSE(std::filesystem::exists(Stored(name))) << name;
  }
  EXPECT_FALSE(PostFiles({Local("escape.txt", "e")}, Settings("/upload.php?User=..")));
  EXPECT_TRUE(PostFiles({Local("mine.txt", "m")}, Settings("/upload.php?User=hanako")));
  EXPECT_EQ(sandbox::ReadFile(Docroot() + "/hanako/mine.txt"), "m");
  EXPECT_FALSE(std::filesystem::exists(sandbox::Path("escape.txt")));
}

TEST_F(PostFilesPhp, NothingToSendIsSuccess) {
  EXPECT_TRUE(PostFiles({}, Settings()));
  sandbox::MakeDirs(sandbox::Path("php_files/a_folder"));
  EXPECT_TRUE(PostFiles({sandbox::Path("php_files/a_folder"), sandbox::Path("php_files/gone.txt")}, Settings()));
}

}  // namespace
}  // namespace net
