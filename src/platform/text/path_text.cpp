#include "platform/text/path_text.h"

#include <algorithm>
#include <cctype>

namespace platform {

std::string AddSeparator(const std::string& path) {
  if (path.empty() || path.back() == '/') return path;
  return path + '/';
}

std::string RemoveSeparator(const std::string& path) {
  if (!path.empty() && path.back() == '/') return path.substr(0, path.size() - 1);
  return path;
}

std::vector<std::string> SplitAtAny(const std::string& text, const std::string& separators) {
  std::vector<std::string> pieces(1);
  for (char c : text) {
    if (separators.find(c) != std::string::npos) {
      pieces.emplace_back();
    } else {
      pieces.back() += c;
    }
  }
  return pieces;
}

std::string NormalizePath(const std::string& path) {
  std::string result;
  size_t index = 0;
  for (const std::string& component : SplitAtAny(path, "/")) {
    if (component.empty() && index >= 2) continue;
    if (index++ > 0) result += '/';
    result += component;
  }
  return result;
}

std::string GetFileName(const std::string& path) { return path.substr(path.rfind('/') + 1); }

std::string GetFileStem(const std::string& path) {
  const std::string name = GetFileName(path);
  if (name.empty() || name == " " || name.find('?') != std::string::npos) return "";
  return name.substr(0, name.rfind('.'));
}

std::string GetFolderPart(const std::string& path) {
  const size_t cut = path.rfind('/');
  return cut == std::string::npos ? "" : path.substr(0, cut);
}

std::string LowerAscii(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
  return text;
}

}  // namespace platform
