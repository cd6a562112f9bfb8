#include "support/sandbox.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace fs = std::filesystem;

namespace sandbox {
namespace {

class SandboxEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    const std::string& root = Root();
    fs::remove_all(root);
    for (const char* sub : {"tmp", "home", "config", "documents"}) fs::create_directories(root + "/" + sub);
    ::setenv("TMPDIR", (root + "/tmp/").c_str(), 1);
    ::setenv("HOME", (root + "/home").c_str(), 1);
    ::setenv("XDG_CONFIG_HOME", (root + "/config").c_str(), 1);
    ::setenv("Z_SUITE_COMMON_DOCUMENTS", (root + "/documents").c_str(), 1);
    for (const char* name : {"TMP", "TEMP", "XDG_DOCUMENTS_DIR", "XDG_CACHE_HOME"}) ::unsetenv(name);
  }
  void TearDown() override {
    std::error_code ignored;
    if (!std::getenv("WXPUB_KEEP_SANDBOX")) fs::remove_all(Root(), ignored);
  }
};

}  // namespace

const std::string& Root() {
  static const std::string root = WXPUB_BINARY_DIR "/test-sandbox/" + std::to_string(::getpid());
  return root;
}

std::string Path(const std::string& relative) { return Root() + "/" + relative; }

std::string WriteFile(const std::string& path, const std::string& bytes) {
  fs::create_directories(fs::path(path).parent_path());
  std::ofstream(path, std::ios::binary) << bytes;
  return path;
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

}  // namespace sandbox

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  ::testing::AddGlobalTestEnvironment(new sandbox::SandboxEnvironment);
  return RUN_ALL_TESTS();
}
