// The pure rules behind the address and size-limit getters.
#include "upfile/upload_settings.h"

namespace {

constexpr uint32_t kMiB = 1048576;

bool EndsWithSeparator(const std::string& text) {
  return !text.empty() && (text.back() == '/' || text.back() == '\\');
}

// wcstoul in base 10 with a 32-bit unsigned long, as the settings were first read:
// blanks skipped, optional sign (a minus negates modulo 2^32), digits until the
// first other character, overflow saturates.
uint32_t ParseUnsigned32(const std::string& text) {
  size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r'))) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  uint64_t value = 0;
  bool overflow = false;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    value = value * 10 + static_cast<unsigned>(text[i] - '0');
    if (value > UINT32_MAX) {
      overflow = true;
      value = UINT32_MAX;
    }
  }
  if (overflow) return UINT32_MAX;
  const uint32_t result = static_cast<uint32_t>(value);
  return negative ? 0u - result : result;
}

}  // namespace

uint32_t SizeLimitFromText(const std::string& value) {
  uint32_t mib = ParseUnsigned32(value) & 0xFFFFu;
  if (mib == 0) mib = 1;
  if (mib > 32) mib = 32;
  return mib * kMiB;
}

std::string PageFolderOf(const std::string& scriptAddress) {
  size_t cut = scriptAddress.rfind('\\');
  if (cut == std::string::npos) cut = scriptAddress.rfind('/');
  const std::string folder = cut == std::string::npos ? std::string() : scriptAddress.substr(0, cut);
  const std::string name = cut == std::string::npos ? scriptAddress : scriptAddress.substr(cut + 1);

  std::string result = folder;
  if (!result.empty() && !EndsWithSeparator(result)) result += '/';
  const size_t user = name.find("User=");
  if (user == std::string::npos) return result + "data/";
  return result + name.substr(user + 5) + "/";
}

std::string BrowserAddressOf(const std::string& scheme, const std::string& pageFolder) {
  std::string address = scheme;
  if (!scheme.empty()) address += ':';
  address += pageFolder;
  if (!EndsWithSeparator(pageFolder)) address += '/';
  return address;
}
