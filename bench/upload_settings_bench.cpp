// Reads one upload setting 100,000 times from a settings file of realistic
// size and compares the cached read with parsing the file at every call and
// with the floor of merely reading the file's bytes at every call.
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

#include "platform/fs/file_io.h"
#include "platform/text/text_decode.h"
#include "publish/settings_file.h"
#include "publish/upload_settings.h"

namespace fs = std::filesystem;
using namespace publish;

namespace {

constexpr int kReads = 100000;

std::string RealisticSettings() {
  std::string text = "; upload settings of this machine\r\n[Preference_202206]\r\n";
  text += "server=upload.example.net\r\nphp_fn=/Test/upload/up.php\r\nopen_http=https\r\n";
  text += "up_max_file_size=10M\r\nname_to_7bit=1\r\nself_certificate=\r\n";
  text += "path_link_html=\r\nDebug=\r\n\r\n";
  for (int section = 0; section < 4; ++section) {
    text += "[Old_" + std::to_string(2019 + section) + "]\r\n";
    for (int key = 0; key < 12; ++key) {
      text += "key_" + std::to_string(key) + " = value of an older layout " + std::to_string(key) + "\r\n";
    }
  }
  return text;
}

double SecondsFor(const std::function<size_t()>& read) {
  size_t sink = 0;
  const auto start = std::chrono::steady_clock::now();
  for (int i = 0; i < kReads; ++i) sink += read();
  const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
  if (sink == 0) std::puts("(nothing read)");
  return elapsed.count();
}

}  // namespace

int main() {
  const fs::path root = fs::temp_directory_path() / ("wxpub-bench-" + std::to_string(::getpid()));
  ::setenv("Z_SUITE_COMMON_DOCUMENTS", root.c_str(), 1);
  const std::string path = SettingsFilePath();
  fs::create_directories(fs::path(path).parent_path());
  const std::string text = RealisticSettings();
  std::ofstream(path, std::ios::binary) << text;
  // A settings file is normally old; a fresh one is parsed at every read.
  fs::last_write_time(path, fs::file_time_type::clock::now() - std::chrono::hours(1));

  const double floor = SecondsFor([&] { return platform::ReadFileBytes(path).size(); });
  const double parsed = SecondsFor([&] {
    return FindSettingValue(SplitSettingLines(platform::ReadTextFile(path)), kSettingsSection, "server")->size();
  });
  const double cached = SecondsFor([] { return ReadSettingValue("server", "").size(); });
  fs::remove_all(root);

  std::printf("settings file %zu bytes, %d reads of \"server\"\n", text.size(), kReads);
  std::printf("parse every read / read bytes every read: %.2f\n", parsed / floor);
  std::printf("cached read      / read bytes every read: %.3f\n", cached / floor);
  std::printf("parse every read / cached read:           %.1f\n", parsed / cached);
  return 0;
}
