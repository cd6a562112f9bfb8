#include "net/user_agent.h"

#include <curl/curlver.h>
#include <linux/version.h>
#include <sys/utsname.h>

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <fstream>

#include "platform/system/system_places.h"
#include "suite/folders.h"
#include "suite/version_info.h"

namespace net {
namespace {

std::string Hex(unsigned value) {
  char text[16];
  std::snprintf(text, sizeof text, "%x", value);
  return text;
}

std::string CompilerVersion() {
#if defined(__clang__)
  return " Clang " + std::to_string(__clang_major__) + "." + std::to_string(__clang_minor__) + " ";
#else
  return " GCC " + std::to_string(__GNUC__) + "." + std::to_string(__GNUC_MINOR__) + " ";
#endif
}

bool EqualIgnoringCase(const std::string& a, const std::string& b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                    [](unsigned char x, unsigned char y) { return std::tolower(x) == std::tolower(y); });
}

double LeadingNumber(const std::string& text) {
  double number = 0;
  std::from_chars(text.data(), text.data() + text.size(), number);
  return number;
}

std::string SystemPart(const std::string& version) {
  return "Linux " + FixedTrimmed(LeadingNumber(version), 6) + " (" + version + ")";
}

std::string EnvironmentPart(bool wow64) {
  return std::string(wow64 ? " WOW64 " : "") + " UNICODE " + " AFXDLL " + " Linux " + Hex(LINUX_VERSION_CODE >> 8) +
         " ";
}

std::string ClassLibraryPart() { return " curl " + Hex(LIBCURL_VERSION_MAJOR << 8 | LIBCURL_VERSION_MINOR) + " "; }

std::string OsReleaseVersion() {
  std::ifstream release("/etc/os-release");
  const std::string key = "VERSION_ID=";
  for (std::string line; std::getline(release, line);) {
    if (line.rfind(key, 0) != 0) continue;
    std::string value = line.substr(key.size());
    value.erase(std::remove(value.begin(), value.end(), '"'), value.end());
    return value;
  }
  return "";
}

std::string WithoutBlanksCommasAsPoints(std::string text) {
  text.erase(std::remove(text.begin(), text.end(), ' '), text.end());
  std::replace(text.begin(), text.end(), ',', '.');
  return text;
}

// V for the upload agent: the system version text unchanged.
std::string SystemVersionByFolder() {
  utsname system{};
  if (::uname(&system) == 0 && system.release[0] != '\0') return system.release;
  return OsReleaseVersion();
}

// V for the download agent: the same text without blanks and with ',' turned into '.'.
std::string SystemVersionBySearch() { return WithoutBlanksCommasAsPoints(SystemVersionByFolder()); }

bool Is32BitOn64BitKernel(const utsname& system) {
  const std::string machine = system.machine;
  return sizeof(void*) == 4 && (machine == "x86_64" || machine == "aarch64");
}

AgentParts SystemAgentParts() {
  AgentParts parts;
  parts.fileName = platform::GetFileName(platform::ProgramPath());
  utsname system{};
  parts.wow64 = ::uname(&system) == 0 && Is32BitOn64BitKernel(system);
  parts.userName = platform::UserName();
  return parts;
}

}  // namespace

std::string FixedTrimmed(double number, int decimals) {
  char text[400];
  const bool huge = std::fabs(number) > 1e50;
  const auto format = huge ? std::chars_format::scientific : std::chars_format::fixed;
  const auto end = std::to_chars(text, text + sizeof text, number, format, decimals).ptr;
  std::string result(text, end);
  if (huge || result.find('.') == std::string::npos) return result;
  result.erase(result.find_last_not_of('0') + 1);
  if (result.back() == '.') result.pop_back();
  return result;
}

double FileVersionNumber(const std::string& fileVersion) {
  std::string text;
  bool pointSeen = false;
  for (const char c : fileVersion) {
    if (c == ' ') continue;
    if (c == '.' || c == ',') {
      if (!pointSeen) text += '.';
      pointSeen = true;
      continue;
    }
    text += c;
  }
  return LeadingNumber(text);
}

std::string UploadAgentLayout(const AgentParts& parts) {
  std::string agent = parts.resourceName + " " + SystemPart(parts.systemVersion);
  if (!EqualIgnoringCase(parts.fileName, parts.resourceName)) agent += " (" + parts.fileName + ") ";
  agent += " Ver." + FixedTrimmed(FileVersionNumber(parts.fileVersion), 10) + " ";
  return agent + EnvironmentPart(parts.wow64) + ClassLibraryPart() + parts.userName;
}

std::string DownloadAgentLayout(const AgentParts& parts) {
  const std::string programName = parts.resourceName.empty() ? parts.fileName : parts.resourceName;
  std::string agent = programName + " " + SystemPart(parts.systemVersion) + " ";
  if (!EqualIgnoringCase(parts.fileName, parts.resourceName)) agent += "(" + parts.fileName + ")";
  if (!parts.fileVersion.empty()) agent += " Ver." + WithoutBlanksCommasAsPoints(parts.fileVersion) + " ";
  return agent + EnvironmentPart(parts.wow64) + ClassLibraryPart() + CompilerVersion() + parts.userName;
}

// Each agent names this program's file and version, which do not change while it runs.
const std::string& UploadAgent() {
  static const std::string agent = [] {
    AgentParts parts = SystemAgentParts();
    const suite::VersionInfo version(platform::ProgramPath());
    parts.resourceName = version.OriginalFilename();
    parts.fileVersion = version.FileVersion();
    parts.systemVersion = SystemVersionByFolder();
    return UploadAgentLayout(parts);
  }();
  return agent;
}

const std::string& DownloadAgent() {
  static const std::string agent = [] {
    AgentParts parts = SystemAgentParts();
    const suite::VersionInfo version(platform::ProgramPath());
    parts.resourceName = version.Find("OriginalFilename").value_or("");
    parts.fileVersion = version.Find("FileVersion").value_or("");
    parts.systemVersion = SystemVersionBySearch();
    return DownloadAgentLayout(parts);
  }();
  return agent;
}

}  // namespace net
