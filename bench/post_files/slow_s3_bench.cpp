// `wx_pub --upload --to s3://bench/run` of 100 files of 4 KiB to a one-node
// Ceph gateway (tests/system/s3/ceph_gateway.sh) over a link with a 50 ms round
// trip (delay_proxy.py), alternately with `rclone copy --transfers 4` of the
// same files through the same link, in the same run. Prints the median of the
// per-round ratios; the goal is below 1. An argument names another build of
// the program to time instead.
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "bench_world.h"
#include "delay_proxy.h"
#include "support/upload_servers.h"

extern char** environ;

namespace fs = std::filesystem;

namespace {

constexpr char kGatewayScript[] = WXPUB_SOURCE_DIR "/tests/system/s3/ceph_gateway.sh";

// The gateway's cluster while the object lives; its settings from gateway.env.
class Gateway {
 public:
  explicit Gateway(const std::string& folder) : folder_(folder) {
    started_ = testserver::RunCommand({kGatewayScript, "start", folder_}, folder_ + ".log") == 0;
    std::ifstream env(folder_ + "/gateway.env");
    for (std::string line; std::getline(env, line);)
      if (const size_t equals = line.find('='); equals != std::string::npos)
        values_[line.substr(0, equals)] = line.substr(equals + 1);
  }
  ~Gateway() { testserver::RunCommand({kGatewayScript, "stop", folder_}, folder_ + ".log"); }
  Gateway(const Gateway&) = delete;
  Gateway& operator=(const Gateway&) = delete;

  bool Started() const { return started_; }
  std::string Value(const std::string& key) const {
    const auto found = values_.find(key);
    return found == values_.end() ? "" : found->second;
  }

 private:
  std::string folder_;
  bool started_ = false;
  std::map<std::string, std::string> values_;
};

// Leaves only the AWS_* variables that point wx_pub at the gateway through endpoint.
void UseGateway(const Gateway& gateway, const std::string& endpoint) {
  std::vector<std::string> names;
  for (char** entry = environ; *entry != nullptr; ++entry)
    if (std::strncmp(*entry, "AWS_", 4) == 0) names.emplace_back(*entry, std::strcspn(*entry, "="));
  for (const std::string& name : names) ::unsetenv(name.c_str());
  ::setenv("AWS_ACCESS_KEY_ID", gateway.Value("access_key").c_str(), 1);
  ::setenv("AWS_SECRET_ACCESS_KEY", gateway.Value("secret_key").c_str(), 1);
  ::setenv("AWS_REGION", gateway.Value("region").c_str(), 1);
  ::setenv("AWS_ENDPOINT_URL", endpoint.c_str(), 1);
}

std::vector<std::string> Rclone(const Gateway& gateway, const std::string& endpoint,
                                const std::vector<std::string>& command) {
  std::vector<std::string> argv = {"rclone"};
  argv.insert(argv.end(), command.begin(), command.end());
  argv.insert(argv.end(), {"--s3-provider", "Ceph", "--s3-endpoint", endpoint, "--s3-force-path-style",
                           "--s3-access-key-id", gateway.Value("access_key"), "--s3-secret-access-key",
                           gateway.Value("secret_key"), "--s3-region", gateway.Value("region")});
  return argv;
}

// The benchmark in root, true when every upload arrived; the gateway has stopped when it returns.
bool Bench(const std::string& root, const std::string& program) {
  const Gateway gateway(root + "/gateway");
  if (!gateway.Started()) {
    std::printf("the gateway did not start, see %s/gateway.log and %s/gateway/log\n", root.c_str(), root.c_str());
    return false;
  }
  const std::string direct = gateway.Value("endpoint");
  const benchworld::DelayProxy proxy(static_cast<uint16_t>(std::stoi(direct.substr(direct.rfind(':') + 1))),
                                     root + "/proxy.log");
  const std::string endpoint = "http://" + testserver::LocalServer(proxy.port);
  UseGateway(gateway, endpoint);
  if (testserver::RunCommand(Rclone(gateway, direct, {"mkdir", ":s3:bench"}), root + "/rclone.log") != 0) {
    std::printf("could not make the bucket, see %s/rclone.log\n", root.c_str());
    return false;
  }

  const std::string folder = root + "/files";
  const std::vector<std::string> files =
      benchworld::WriteRandomFiles(folder, benchworld::kSlowLinkFiles, benchworld::kSlowLinkFileSize);
  std::vector<std::string> ours = {program, "--upload", "--to", "s3://bench/run"};
  ours.insert(ours.end(), files.begin(), files.end());
  const benchworld::Ratios ratios = benchworld::Compare(
      benchworld::kSlowLinkRounds, "rclone", [&](int) { return benchworld::Measure(ours, root + "/ours.log"); },
      [&](int round) {
        // A fresh prefix each round, or rclone would find the files there and skip them.
        return benchworld::Measure(
            Rclone(gateway, endpoint,
                   {"copy", "--transfers", "4", folder, ":s3:bench/rclone-" + std::to_string(round)}),
            root + "/rclone.log");
      });
  if (!ratios.ok) return false;
  std::printf(
      "%d files of 4 KiB to S3 over a 50 ms round trip: wx_pub --upload --to s3:// takes %.2f times the "
      "time of rclone copy --transfers 4 (goal: below 1), %.2f times its processor time (medians of %d "
      "rounds)\n",
      benchworld::kSlowLinkFiles, ratios.seconds, ratios.cpu, benchworld::kSlowLinkRounds);
  return ratios.ok;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string root = fs::temp_directory_path() / ("wx_pub-slow-s3-bench-" + std::to_string(::getpid()));
  benchworld::UseSandbox(root);
  const bool sent = Bench(root, argc > 1 ? argv[1] : WXPUB_PROGRAM);
  if (sent)
    fs::remove_all(root);
  else
    std::printf("some uploads failed, see %s\n", root.c_str());
  return sent ? 0 : 1;
}
