#include "htmout/path_parts.h"

namespace {

std::string::size_type LastSeparator(const std::string& path) {
  return path.rfind('/');
}

std::string::size_type ExtensionDot(const std::string& path) {
  const auto dot = path.rfind('.');
  const auto separator = LastSeparator(path);
  if (dot == std::string::npos || (separator != std::string::npos && dot < separator))
    return std::string::npos;
  return dot;
}

}  // namespace

std::string ExtensionOf(const std::string& path) {
  const auto dot = ExtensionDot(path);
  return dot == std::string::npos ? std::string() : path.substr(dot + 1);
}

std::string ChangeExtension(const std::string& path, const std::string& extension) {
  const auto dot = ExtensionDot(path);
  return (dot == std::string::npos ? path : path.substr(0, dot)) + "." + extension;
}

std::string LowerAscii(std::string_view text) {
  std::string out(text);
  for (char& c : out) {
    if (c >= 'A' && c <= 'Z')
      c = static_cast<char>(c - 'A' + 'a');
  }
  return out;
}
