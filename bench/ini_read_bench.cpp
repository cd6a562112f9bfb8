// Reads one key 100,000 times from a profile of realistic size and prints the
// cost per read as a ratio to reading the file's bytes once per read (the
// floor of any reader that looks at the file each time).
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>

#include "platform/fs/atomic_file.h"
#include "platform/fs/file_io.h"
#include "platform/ini/ini_document.h"
#include "platform/ini/ini_file.h"
#include "platform/ini/ini_lines.h"
#include "platform/text/utf16le.h"

namespace {

constexpr int kReads = 100'000;

// About 8 KB: the family profile after some years of use, in its stored form
// (UTF-16 LE with mark), with the key near the end.
std::string RealisticProfile() {
  std::string text = ";---------------------------------------------------------------------\r\n";
  for (int section = 0; section < 14; ++section) {
    text += "[Section_" + std::to_string(section) + "]\r\n";
    for (int key = 0; key < 14; ++key) {
      text += "img_width_key_" + std::to_string(key) + " = " + std::to_string(section * 100 + key) + "px\r\n";
    }
    text += "\r\n";
  }
  return text + "[Preference]\r\ntbl_cols=5\r\nimg_width_data_br=\"160px\"\r\n";
}

template <typename Read>
double NanosecondsPerRead(int reads, Read read) {
  const auto start = std::chrono::steady_clock::now();
  size_t sink = 0;
  for (int i = 0; i < reads; ++i) sink += read();
  const auto elapsed = std::chrono::steady_clock::now() - start;
  if (sink == 0) std::puts("(nothing read)");
  return std::chrono::duration<double, std::nano>(elapsed).count() / reads;
}

}  // namespace

int main() {
  const std::filesystem::path folder =
      std::filesystem::temp_directory_path() / ("ini_read_bench_" + std::to_string(::getpid()));
  std::filesystem::create_directories(folder);
  const std::string path = (folder / "z_Suite.ini").string();
  const platform::Bytes bytes = platform::EncodeUtf16LeWithBom(RealisticProfile());
  platform::ReplaceFileAtomically(path, bytes);
  // A profile in use was last changed long ago; the reader trusts its parsed
  // copy only for a file that has settled.
  const timespec lastChange[2] = {{1600000000, 0}, {1600000000, 0}};
  ::utimensat(AT_FDCWD, path.c_str(), lastChange, 0);

  const double floor = NanosecondsPerRead(kReads, [&] { return platform::ReadFileBytes(path).size(); });
  const double parsed = NanosecondsPerRead(kReads, [&] {
    const platform::IniDocument document =
        platform::IniDocument::Parse(*platform::SplitIniFile(platform::ReadFileBytes(path)));
    const std::string* value = document.Find("preference", "IMG_WIDTH_DATA_BR");
    return value ? value->size() : 0;
  });
  const double cached = NanosecondsPerRead(
      kReads, [&] { return platform::IniReadString("preference", "IMG_WIDTH_DATA_BR", "", path).size(); });
  std::filesystem::remove_all(folder);

  std::printf("ini_read_bench: %d reads of one key from a %zu-byte UTF-16 profile\n", kReads, bytes.size());
  std::printf("  read file bytes per call (floor)  1.00\n");
  std::printf("  parse the file per call           %.2f x floor\n", parsed / floor);
  std::printf("  cached read (IniReadString)       %.3f x floor\n", cached / floor);
  std::printf("  parse per call / cached read      %.1f (aim: at least 10)\n", parsed / cached);
  return 0;
}
