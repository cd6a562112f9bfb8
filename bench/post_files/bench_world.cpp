#include "bench_world.h"

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace benchworld {

double Seconds(const std::function<void()>& work) {
  const auto start = std::chrono::steady_clock::now();
  work();
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void UseSandbox(const std::string& root) {
  for (const char* sub : {"tmp", "home", "config", "documents"}) std::filesystem::create_directories(root + "/" + sub);
  ::setenv("TMPDIR", (root + "/tmp/").c_str(), 1);
  ::setenv("HOME", (root + "/home").c_str(), 1);
  ::setenv("XDG_CONFIG_HOME", (root + "/config").c_str(), 1);
  ::setenv("Z_SUITE_COMMON_DOCUMENTS", (root + "/documents").c_str(), 1);
  for (const char* proxy : {"http_proxy", "https_proxy", "HTTPS_PROXY", "all_proxy", "ALL_PROXY"}) ::unsetenv(proxy);
}

void WriteRandomFile(const std::string& path, size_t size, std::mt19937& random) {
  std::string bytes(size, '\0');
  for (char& c : bytes) c = static_cast<char>(random());
  std::ofstream(path, std::ios::binary) << bytes;
}

}  // namespace benchworld
