// `wx_pub --upload` of 100 files of 4 KiB to the upload script over a link
// with a 50 ms round trip (delay_proxy.py in front of php -S with 8 workers),
// alternately with the same files posted by one curl process, in the same run:
//   default settings (parallel_uploads 4) against curl --parallel --parallel-max 4
//     (goal: 1.2 at most); --parallel-immediate, as curl would otherwise wait
//     on its first connection for a multiplexing that HTTP/1.1 never offers
//   parallel_uploads=1 against curl --next, one file after another
// Prints the medians of the per-round ratios. An argument names another build
// of the program to time instead.
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "bench_world.h"
#include "delay_proxy.h"
#include "php_worker_server.h"
#include "support/upload_servers.h"

namespace fs = std::filesystem;

namespace {

constexpr int kServerWorkers = 8;

}  // namespace

int main(int argc, char** argv) {
  const std::string root = fs::temp_directory_path() / ("wx_pub-slow-upload-bench-" + std::to_string(::getpid()));
  benchworld::UseSandbox(root);
  const benchworld::PhpWorkerServer php(benchworld::WriteUploadSite(root), kServerWorkers);
  const benchworld::DelayProxy proxy(php.Port(), root + "/proxy.log");
  const std::string server = testserver::LocalServer(proxy.port), url = "http://" + server + "/upload.php";

  const std::vector<std::string> files =
      benchworld::WriteRandomFiles(root + "/files", benchworld::kSlowLinkFiles, benchworld::kSlowLinkFileSize);
  std::vector<std::string> ours = {argc > 1 ? argv[1] : WXPUB_PROGRAM, "--upload"};
  ours.insert(ours.end(), files.begin(), files.end());
  const auto oursWith = [&](const std::string& settingLines) {
    return [&, settingLines](int) {
      benchworld::WriteUploadSettings(server, settingLines);
      return benchworld::Measure(ours, root + "/ours.log");
    };
  };
  const auto curlWith = [&](const std::vector<std::string>& options) {
    return [&, command = benchworld::CurlPosts(options, files, url)](int) {
      return benchworld::Measure(command, root + "/curl.log");
    };
  };

  std::printf("parallel: wx_pub with default settings, curl --parallel --parallel-immediate --parallel-max 4\n");
  const benchworld::Ratios parallel =
      benchworld::Compare(benchworld::kSlowLinkRounds, "curl", oursWith(""),
                          curlWith({"--parallel", "--parallel-immediate", "--parallel-max", "4"}));
  std::printf("sequential: wx_pub with parallel_uploads=1, curl --next\n");
  const benchworld::Ratios sequential =
      benchworld::Compare(benchworld::kSlowLinkRounds, "curl", oursWith("parallel_uploads=1\n"), curlWith({}));
  std::printf(
      "%d files of 4 KiB over a 50 ms round trip, wx_pub --upload against one curl process "
      "(medians of %d rounds):\n",
      benchworld::kSlowLinkFiles, benchworld::kSlowLinkRounds);
  const auto print = [](const char* part, const benchworld::Ratios& ratios, const char* goal) {
    if (ratios.ok)
      std::printf("  %-11s %.2f times the time%s, %.2f times the processor time\n", part, ratios.seconds, goal,
                  ratios.cpu);
    else
      std::printf("  %-11s not compared, some uploads failed\n", part);
  };
  print("parallel:", parallel, " (goal: 1.2 at most)");
  print("sequential:", sequential, "");
  const bool sent = parallel.ok && sequential.ok;
  if (sent)
    fs::remove_all(root);
  else
    std::printf("some uploads failed, see %s\n", root.c_str());
  return sent ? 0 : 1;
}
