// How long the dialog's start-up waits for the update check when the update
// server refuses connections or accepts them and never answers, as ratios to
// a server that answers at once. Runs in a private folder of the system's
// temporary folder, removed at the end.
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>

#include "bench_world.h"
#include "suite/profile.h"
#include "support/local_http_server.h"
#include "update/update_check.h"

namespace {

constexpr int kRounds = 20;

// Seconds per check against the server, trace text dropped.
double SecondsPerCheck(const LocalHttpServer& server, int rounds) {
  suite::Profile(update::kProfile).WriteStr(update::kSection, update::kServerKey, server.HostPort());
  const auto start = std::chrono::steady_clock::now();
  for (int round = 0; round < rounds; ++round) update::CheckForUpdate([](net::TraceStream, const std::string&) {});
  const std::chrono::duration<double> spent = std::chrono::steady_clock::now() - start;
  return spent.count() / rounds;
}

}  // namespace

int main() {
  const std::string root =
      std::filesystem::temp_directory_path() / ("wx_pub-update-bench-" + std::to_string(::getpid()));
  benchworld::UseSandbox(root);
  LocalHttpServer answering;
  answering.SetResponse(200, "<html><body><div>wx_pub 1.0</div></body></html>");
  SecondsPerCheck(answering, 2);  // first use of the TLS library and the profile
  const double answered = SecondsPerCheck(answering, kRounds);
  LocalHttpServer refusing(LocalHttpServer::Mode::kRefuse);
  const double refused = SecondsPerCheck(refusing, kRounds);
  LocalHttpServer silent(LocalHttpServer::Mode::kSilent);
  const double unanswered = SecondsPerCheck(silent, 1);
  std::printf("update check, refusing server / answering server: %.2f\n", refused / answered);
  std::printf("update check, silent server / answering server:   %.0f\n", unanswered / answered);
  std::filesystem::remove_all(root);
  return 0;
}
