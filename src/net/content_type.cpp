#include "net/content_type.h"

#include <fstream>
#include <sstream>
#include <unordered_map>

#include "platform/text/text_case.h"

namespace net {
namespace {

using TypeTable = std::unordered_map<std::string, std::string>;

constexpr const char* kSystemTable = "/etc/mime.types";

// What a page of this tool links to, for systems without the table.
TypeTable BuiltInTypes() {
  return {{"htm", "text/html"},   {"html", "text/html"},  {"css", "text/css"},       {"js", "text/javascript"},
          {"txt", "text/plain"},  {"jpg", "image/jpeg"},  {"jpeg", "image/jpeg"},    {"png", "image/png"},
          {"gif", "image/gif"},   {"webp", "image/webp"}, {"svg", "image/svg+xml"},  {"pdf", "application/pdf"},
          {"json", "application/json"}};
}

// "type ext ext ..." lines; '#' starts a comment.
TypeTable ReadSystemTypes() {
  TypeTable types = BuiltInTypes();
  std::ifstream file(kSystemTable);
  std::string line;
  while (std::getline(file, line)) {
    std::istringstream fields(line.substr(0, line.find('#')));
    std::string type, extension;
    if (!(fields >> type)) continue;
    while (fields >> extension) types[platform::ToLowerText(extension)] = type;
  }
  return types;
}

}  // namespace

std::string ContentTypeFor(const std::string& name) {
  // The system's table is read once per run, on first use.
  static const TypeTable kTypes = ReadSystemTypes();
  const auto dot = name.rfind('.');
  const auto slash = name.rfind('/');
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return "application/octet-stream";
  const auto found = kTypes.find(platform::ToLowerText(name.substr(dot + 1)));
  return found == kTypes.end() ? "application/octet-stream" : found->second;
}

}  // namespace net
