// `wx_pub --upload` of 300 files of 4 KiB against one curl process posting
// the same files over one connection (`curl -F ... URL --next -F ... URL ...`),
// both to the same local php server, alternately in the same run. Prints the
// median of the per-round ratios; the goal is 1.2 at most. An argument names
// another build of the program to time instead.
//
// Everything lives in the system's temporary folder (TMPDIR, else /tmp), where
// a person's staging folders go too. The 300 staged copies are the one thing
// curl does not do: on a disk-backed folder they cost more than on tmpfs.
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "bench_world.h"
#include "publish/upload_settings.h"
#include "support/upload_servers.h"

namespace fs = std::filesystem;

namespace {

constexpr int kFiles = 300;
constexpr size_t kFileSize = 4096;
constexpr int kRounds = 9;

std::vector<std::string> CurlCommand(const std::vector<std::string>& files, const std::string& url) {
  std::vector<std::string> argv = {"curl", "-s"};
  for (const std::string& file : files) {
    if (argv.size() > 2) argv.push_back("--next");
    argv.insert(argv.end(), {"-o", "/dev/null", "-F", "file_img=@" + file, url});
  }
  return argv;
}

// Processor time of the children that ended so far, in seconds.
double ChildrenCpuSeconds() {
  rusage usage{};
  ::getrusage(RUSAGE_CHILDREN, &usage);
  const auto seconds = [](const timeval& t) { return static_cast<double>(t.tv_sec) + t.tv_usec / 1e6; };
  return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// Wall time and processor time of one command run to its end.
struct Run {
  double seconds = 0, cpu = 0;
  bool ok = false;
};

Run Measure(const std::vector<std::string>& argv, const std::string& log) {
  Run run;
  const double cpuBefore = ChildrenCpuSeconds();
  run.seconds = benchworld::Seconds([&] { run.ok = testserver::RunCommand(argv, log) == 0; });
  run.cpu = ChildrenCpuSeconds() - cpuBefore;
  return run;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  const std::string root = fs::temp_directory_path() / ("wx_pub-upload-bench-" + std::to_string(::getpid()));
  benchworld::UseSandbox(root);
  const std::string docroot = root + "/www", files = root + "/files";
  for (const std::string& folder : {docroot, files}) fs::create_directories(folder);
  fs::copy_file(WXPUB_SOURCE_DIR "/server/upload.php", docroot + "/upload.php");
  testserver::PhpServer php(docroot);
  const std::string server = testserver::LocalServer(php.port);
  const std::string settings = publish::SettingsFilePath();
  fs::create_directories(fs::path(settings).parent_path());
  std::ofstream(settings) << "[Preference_202206]\nserver=" << server << "\nphp_fn=/upload.php\nopen_http=http\n";

  std::mt19937 random(14);
  std::vector<std::string> small;
  for (int i = 0; i < kFiles; ++i) {
    small.push_back(files + "/small_" + std::to_string(i) + ".bin");
    benchworld::WriteRandomFile(small.back(), kFileSize, random);
  }
  std::vector<std::string> ours = {argc > 1 ? argv[1] : WXPUB_PROGRAM, "--upload"};
  ours.insert(ours.end(), small.begin(), small.end());
  const std::vector<std::string> curl = CurlCommand(small, "http://" + server + "/upload.php");

  std::vector<double> ratios, cpuRatios;
  bool sent = true;
  for (int round = 0; round < kRounds; ++round) {
    const Run ourRun = Measure(ours, root + "/ours.log");
    const Run curlRun = Measure(curl, root + "/curl.log");
    sent &= ourRun.ok && curlRun.ok;
    std::printf("round %d: wx_pub %.3f s (%.3f s processor), curl %.3f s (%.3f s processor)\n", round + 1,
                ourRun.seconds, ourRun.cpu, curlRun.seconds, curlRun.cpu);
    ratios.push_back(ourRun.seconds / curlRun.seconds);
    cpuRatios.push_back(ourRun.cpu / curlRun.cpu);
  }
  std::printf("%d files of 4 KiB over HTTP: wx_pub --upload takes %.2f times the time of one curl process, "
              "%.2f times its processor time (medians of %d rounds)\n",
              kFiles, Median(ratios), Median(cpuRatios), kRounds);
  if (sent) fs::remove_all(root);
  else std::printf("some uploads failed, see %s\n", root.c_str());
  return sent ? 0 : 1;
}
