// net::PostFiles against the curl command run once per file, the way a user
// would script it, on the same local servers in the same run:
//   1,000 files of 4 KiB over HTTP and over HTTPS, and one 32 MiB file
//   (time, and peak memory above the idle process).
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "bench_world.h"
#include "net/post_files.h"
#include "support/upload_servers.h"

namespace fs = std::filesystem;

namespace {

constexpr int kSmallFiles = 1000;
constexpr size_t kSmallSize = 4096;
constexpr size_t kLargeSize = 32u * 1048576;

// The largest size limit the settings allow; the local servers have their own certificate.
net::PostSettings Settings(const std::string& scheme, const std::string& server) {
  return {scheme, server, "/upload.php", kLargeSize, true, false};
}

// Peak resident size of this process so far, in bytes.
long PeakResidentBytes() {
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);)
    if (line.rfind("VmHWM:", 0) == 0) return std::atol(line.c_str() + 6) * 1024;
  return 0;
}

void CurlEach(const std::vector<std::string>& files, const std::string& url, bool insecure, const std::string& log) {
  for (const std::string& file : files) {
    std::vector<std::string> argv = {"curl", "-s", "-o", "/dev/null", "-F", "file_img=@" + file, url};
    if (insecure) argv.insert(argv.begin() + 1, "-k");
    testserver::RunCommand(argv, log);
  }
}

// Child mode: one upload in a fresh process, so that its idle size is known.
int UploadOne(const std::string& file, const std::string& server) {
  const long idle = PeakResidentBytes();
  bool sent = false;
  const double seconds = benchworld::Seconds([&] { sent = net::PostFiles({file}, Settings("http", server)); });
  std::printf("%ld %ld %.6f %d\n", idle, PeakResidentBytes(), seconds, sent ? 1 : 0);
  return sent ? 0 : 1;
}

struct ChildMeasure {
  long idle = 0, peak = 0;
  double seconds = 0;
  int sent = 0;
};

ChildMeasure MeasureInChild(const std::string& file, const std::string& server, const std::string& folder) {
  const std::string out = folder + "/child.txt";
  testserver::RunCommand({"/proc/self/exe", "--upload-one", file, server}, out);
  ChildMeasure measure;
  std::ifstream(out) >> measure.idle >> measure.peak >> measure.seconds >> measure.sent;
  return measure;
}

void PrintRatio(const char* what, double ours, double curl) {
  std::printf("%-34s PostFiles is %.2f times as fast as the curl loop\n", what, curl / ours);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 4 && std::string(argv[1]) == "--upload-one") return UploadOne(argv[2], argv[3]);

  const std::string root = WXPUB_BINARY_DIR "/bench-sandbox/post_files-" + std::to_string(::getpid());
  benchworld::UseSandbox(root);
  const std::string docroot = root + "/www", proxyFolder = root + "/proxy", files = root + "/files";
  for (const std::string& folder : {docroot, proxyFolder, files}) fs::create_directories(folder);
  fs::copy_file(WXPUB_SOURCE_DIR "/server/upload.php", docroot + "/upload.php");

  std::mt19937 random(6);
  std::vector<std::string> small;
  for (int i = 0; i < kSmallFiles; ++i) {
    small.push_back(files + "/small_" + std::to_string(i) + ".bin");
    benchworld::WriteRandomFile(small.back(), kSmallSize, random);
  }
  const std::string large = files + "/large.bin";
  benchworld::WriteRandomFile(large, kLargeSize, random);

  testserver::PhpServer php(docroot);
  testserver::TlsProxy proxy(proxyFolder, php.port);
  const std::string plain = testserver::LocalServer(php.port), secure = testserver::LocalServer(proxy.port);
  const std::string curlLog = root + "/curl.log";
  const std::string plainUrl = "http://" + plain + "/upload.php", secureUrl = "https://" + secure + "/upload.php";

  bool sent = true;
  const double httpOurs = benchworld::Seconds([&] { sent &= net::PostFiles(small, Settings("http", plain)); });
  const double httpCurl = benchworld::Seconds([&] { CurlEach(small, plainUrl, false, curlLog); });
  const double httpsOurs = benchworld::Seconds([&] { sent &= net::PostFiles(small, Settings("https", secure)); });
  const double httpsCurl = benchworld::Seconds([&] { CurlEach(small, secureUrl, true, curlLog); });
  const ChildMeasure largeOurs = MeasureInChild(large, plain, root);
  const double largeCurl = benchworld::Seconds([&] { CurlEach({large}, plainUrl, false, curlLog); });

  PrintRatio("1,000 files of 4 KiB over HTTP:", httpOurs, httpCurl);
  PrintRatio("1,000 files of 4 KiB over HTTPS:", httpsOurs, httpsCurl);
  std::printf("%-34s PostFiles takes %.2f times curl's time\n",
              "one file of 32 MiB over HTTP:", largeOurs.seconds / largeCurl);
  std::printf("%-34s %.2f times the file size above the idle process\n",
              "peak memory of the 32 MiB upload:", static_cast<double>(largeOurs.peak - largeOurs.idle) / kLargeSize);
  if (!sent || !largeOurs.sent) std::printf("some uploads failed\n");
  fs::remove_all(root);
  return sent && largeOurs.sent ? 0 : 1;
}
