#include "bench_world.h"

#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "publish/upload_settings.h"
#include "support/upload_servers.h"

namespace benchworld {
namespace {

// Processor time of the children that ended so far, in seconds.
double ChildrenCpuSeconds() {
  rusage usage{};
  ::getrusage(RUSAGE_CHILDREN, &usage);
  const auto seconds = [](const timeval& t) { return static_cast<double>(t.tv_sec) + t.tv_usec / 1e6; };
  return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

}  // namespace

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

std::vector<std::string> WriteRandomFiles(const std::string& folder, int count, size_t size) {
  std::filesystem::create_directories(folder);
  std::mt19937 random(14);
  std::vector<std::string> paths;
  for (int i = 0; i < count; ++i) {
    paths.push_back(folder + "/small_" + std::to_string(i) + ".bin");
    WriteRandomFile(paths.back(), size, random);
  }
  return paths;
}

std::string WriteUploadSite(const std::string& root) {
  const std::string docroot = root + "/www";
  std::filesystem::create_directories(docroot);
  std::filesystem::copy_file(WXPUB_SOURCE_DIR "/server/upload.php", docroot + "/upload.php");
  return docroot;
}

void WriteUploadSettings(const std::string& server, const std::string& extraLines) {
  const std::string settings = publish::SettingsFilePath();
  std::filesystem::create_directories(std::filesystem::path(settings).parent_path());
  std::ofstream(settings) << "[Preference_202206]\nserver=" << server << "\nphp_fn=/upload.php\nopen_http=http\n"
                          << extraLines;
}

std::vector<std::string> CurlPosts(const std::vector<std::string>& options, const std::vector<std::string>& files,
                                   const std::string& url) {
  std::vector<std::string> argv = {"curl", "-s"};
  argv.insert(argv.end(), options.begin(), options.end());
  const size_t firstTransfer = argv.size();
  for (const std::string& file : files) {
    if (argv.size() > firstTransfer) argv.push_back("--next");
    argv.insert(argv.end(), {"-o", "/dev/null", "-F", "file_img=@" + file, url});
  }
  return argv;
}

Run Measure(const std::vector<std::string>& argv, const std::string& log) {
  Run run;
  const double cpuBefore = ChildrenCpuSeconds();
  run.seconds = Seconds([&] { run.ok = testserver::RunCommand(argv, log) == 0; });
  run.cpu = ChildrenCpuSeconds() - cpuBefore;
  return run;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

Ratios Compare(int rounds, const std::string& peerName, const std::function<Run(int round)>& ours,
               const std::function<Run(int round)>& peer) {
  Ratios result;
  std::vector<double> ratios, cpuRatios;
  for (int round = 0; round < rounds; ++round) {
    const Run ourRun = ours(round);
    const Run peerRun = peer(round);
    result.ok &= ourRun.ok && peerRun.ok;
    const auto failed = [](const Run& run) { return run.ok ? "" : " FAILED"; };
    std::printf("round %d: wx_pub %.3f s (%.3f s processor)%s, %s %.3f s (%.3f s processor)%s\n", round + 1,
                ourRun.seconds, ourRun.cpu, failed(ourRun), peerName.c_str(), peerRun.seconds, peerRun.cpu,
                failed(peerRun));
    std::fflush(stdout);
    ratios.push_back(ourRun.seconds / peerRun.seconds);
    cpuRatios.push_back(ourRun.cpu / peerRun.cpu);
  }
  result.seconds = Median(ratios);
  result.cpu = Median(cpuRatios);
  return result;
}

}  // namespace benchworld
