#include "net/aws_profile_file.h"

#include <sys/stat.h>

#include <fstream>
#include <sstream>

namespace net {
namespace {

// A credentials file holds a few lines; anything larger is not one.
constexpr off_t kLargestFile = 1 << 20;

std::string Trimmed(const std::string& text) {
  const auto first = text.find_first_not_of(" \t\r");
  if (first == std::string::npos) return "";
  return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

}  // namespace

std::optional<AwsProfileKeys> ReadAwsProfile(const std::string& path, const std::string& section) {
  struct stat status{};
  if (::stat(path.c_str(), &status) != 0) return AwsProfileKeys{};
  if (!S_ISREG(status.st_mode) || status.st_size > kLargestFile) return std::nullopt;
  std::ifstream file(path, std::ios::binary);
  if (!file) return std::nullopt;
  AwsProfileKeys keys;
  bool inSection = false;
  std::string line;
  while (std::getline(file, line)) {
    const std::string text = Trimmed(line);
    if (text.empty() || text[0] == '#' || text[0] == ';') continue;
    if (text.front() == '[' && text.back() == ']') {
      inSection = Trimmed(text.substr(1, text.size() - 2)) == section;
      continue;
    }
    const auto equals = text.find('=');
    if (!inSection || equals == std::string::npos) continue;
    // Indented lines belong to a nested block ("s3 =" and its settings), not to the profile.
    if (line[0] == ' ' || line[0] == '\t') continue;
    const std::string value = Trimmed(text.substr(equals + 1));
    if (!value.empty()) keys.emplace(Trimmed(text.substr(0, equals)), value);
  }
  return keys;
}

}  // namespace net
