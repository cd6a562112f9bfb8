#include "platform/path_text.h"

#include <algorithm>
#include <cctype>

namespace {

bool IsSeparator(char c) { return c == '/' || c == '\\'; }

}  // namespace

std::string AddSeparator(const std::string& path, char sep) {
  if (path.empty() || IsSeparator(path.back())) return path;
  return path + sep;
}

std::string RemoveSeparator(const std::string& path) {
  if (!path.empty() && IsSeparator(path.back())) return path.substr(0, path.size() - 1);
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

std::string NormalizePath(const std::string& path, char sep) {
  std::string result;
  size_t index = 0;
  for (const std::string& component : SplitAtAny(path, "/\\")) {
    if (component.empty() && index >= 2) continue;
    if (index++ > 0) result += sep;
    result += component;
  }
  return result;
}

std::string GetFileName(const std::string& path) {
  size_t cut = path.rfind('\\');
  if (cut == std::string::npos) cut = path.rfind('/');
  return cut == std::string::npos ? path : path.substr(cut + 1);
}

std::string GetFileStem(const std::string& path) {
  const std::string name = GetFileName(path);
  if (name.empty() || name == " " || name.find('?') != std::string::npos) return "";
  return name.substr(0, name.rfind('.'));
}

std::string GetFolderPart(const std::string& path) {
  const size_t cut = path.find_last_of("/\\");
  return cut == std::string::npos ? "" : path.substr(0, cut);
}

bool IsNetworkPath(const std::string& path) {
  return path.size() >= 2 && IsSeparator(path[0]) && IsSeparator(path[1]);
}

std::string LowerAscii(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
  return text;
}
