#include "net/certificate_pins.h"

#include <fstream>
#include <sstream>

#include "platform/fs/atomic_file.h"
#include "platform/fs/debug_log.h"
#include "suite/folders.h"

namespace net {
namespace {

std::string PinFileText() {
  std::ifstream file(PinFilePath(), std::ios::binary);
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}

}  // namespace

std::string PinFilePath() { return suite::GetSettingsFolder() + "/pinned_certificates.txt"; }

std::optional<std::string> FindPinnedKey(const std::string& hostPort) {
  std::istringstream lines(PinFileText());
  for (std::string name, key; lines >> name >> key;)
    if (name == hostPort) return key;
  return std::nullopt;
}

bool PinKey(const std::string& hostPort, const std::string& key) {
  std::string text = PinFileText();
  if (!text.empty() && text.back() != '\n') text += '\n';
  text += hostPort + " " + key + "\n";
  const bool written = platform::ReplaceFileAtomically(PinFilePath(), platform::Bytes(text.begin(), text.end()));
  if (!written) platform::DbgLog("Can't write " + PinFilePath());
  return written;
}

}  // namespace net
