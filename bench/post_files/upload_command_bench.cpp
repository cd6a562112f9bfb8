// `wx_pub --upload` of 300 files of 4 KiB against one curl process posting
// the same files over one connection (`curl -F ... URL --next -F ... URL ...`),
// both to the same local php server, alternately in the same run. Prints the
// median of the per-round ratios; the goal is 1.2 at most. An argument names
// another build of the program to time instead.
//
// Everything lives in the system's temporary folder (TMPDIR, else /tmp), where
// a person's staging folders go too. The 300 staged copies are the one thing
// curl does not do: on a disk-backed folder they cost more than on tmpfs.
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "bench_world.h"
#include "support/upload_servers.h"

namespace fs = std::filesystem;

namespace {

constexpr int kFiles = 300;
constexpr size_t kFileSize = 4096;
constexpr int kRounds = 9;

}  // namespace

int main(int argc, char** argv) {
  const std::string root = fs::temp_directory_path() / ("wx_pub-upload-bench-" + std::to_string(::getpid()));
  benchworld::UseSandbox(root);
  testserver::PhpServer php(benchworld::WriteUploadSite(root));
  const std::string server = testserver::LocalServer(php.port);
  benchworld::WriteUploadSettings(server);

  const std::vector<std::string> small = benchworld::WriteRandomFiles(root + "/files", kFiles, kFileSize);
  std::vector<std::string> ours = {argc > 1 ? argv[1] : WXPUB_PROGRAM, "--upload"};
  ours.insert(ours.end(), small.begin(), small.end());
  const std::vector<std::string> curl = benchworld::CurlPosts({}, small, "http://" + server + "/upload.php");

  const benchworld::Ratios ratios = benchworld::Compare(
      kRounds, "curl", [&](int) { return benchworld::Measure(ours, root + "/ours.log"); },
      [&](int) { return benchworld::Measure(curl, root + "/curl.log"); });
  std::printf("%d files of 4 KiB over HTTP: wx_pub --upload takes %.2f times the time of one curl process, "
              "%.2f times its processor time (medians of %d rounds)\n",
              kFiles, ratios.seconds, ratios.cpu, kRounds);
  if (ratios.ok) fs::remove_all(root);
  else std::printf("some uploads failed, see %s\n", root.c_str());
  return ratios.ok ? 0 : 1;
}
