#include "net/s3_xml.h"

#include <algorithm>
#include <iterator>
#include <utility>

namespace net {
namespace {

constexpr std::pair<const char*, const char*> kEntities[] = {
    {"&quot;", "\""}, {"&apos;", "'"}, {"&lt;", "<"}, {"&gt;", ">"}, {"&amp;", "&"}};

std::string Decoded(const std::string& text) {
  std::string decoded;
  for (size_t at = 0; at < text.size();) {
    bool replaced = false;
    for (const auto& [entity, character] : kEntities) {
      const std::string_view name(entity);
      if (text.compare(at, name.size(), name) == 0) {
        decoded += character;
        at += name.size();
        replaced = true;
        break;
      }
    }
    if (!replaced) decoded += text[at++];
  }
  return decoded;
}

// The same table both ways, so what is written reads back unchanged.
std::string Escaped(const std::string& text) {
  std::string escaped;
  for (const char c : text) {
    const auto* entity = std::find_if(std::begin(kEntities), std::end(kEntities),
                                      [c](const auto& pair) { return pair.second[0] == c; });
    escaped += entity == std::end(kEntities) ? std::string(1, c) : entity->first;
  }
  return escaped;
}

}  // namespace

std::string XmlField(const std::string& xml, const std::string& element) {
  const std::string open = "<" + element + ">";
  const auto start = xml.find(open);
  if (start == std::string::npos) return "";
  const auto end = xml.find("</" + element + ">", start + open.size());
  if (end == std::string::npos) return "";
  return Decoded(xml.substr(start + open.size(), end - start - open.size()));
}

std::string CompleteMultipartXml(const std::vector<std::string>& partEtags) {
  std::string xml = "<CompleteMultipartUpload>";
  for (size_t i = 0; i < partEtags.size(); ++i)
    xml += "<Part><PartNumber>" + std::to_string(i + 1) + "</PartNumber><ETag>" + Escaped(partEtags[i]) +
           "</ETag></Part>";
  return xml + "</CompleteMultipartUpload>";
}

}  // namespace net
