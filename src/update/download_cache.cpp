#include "update/download_cache.h"

#include <array>
#include <cstdio>
#include <string_view>

#include "net/http_get.h"
#include "net/move_aside.h"
#include "platform/fs/file_operations.h"
#include "platform/fs/file_status.h"
#include "platform/fs/temp_folder.h"
#include "platform/text/text_replace.h"
#include "platform/text/utf.h"
#include "suite/folders.h"

namespace update {
namespace {

constexpr std::array<std::string_view, 16> kKnownExtensions = {
    "htm", "html", "css", "js", "xml", "txt", "svg", "ico",
    "png", "jpg", "jpeg", "gif", "bmp", "emf", "zip", "msi"};

bool StartsWith(const std::string& text, std::string_view start) { return text.rfind(start, 0) == 0; }

bool IsSeparator(char c) { return c == '/' || c == '\\'; }

std::string LastSegmentExtension(const std::string& url) {
  const std::string name = platform::GetFileName(url);
  const size_t dot = name.rfind('.');
  if (name.empty() || name == " " || name.find('?') != std::string::npos || dot == std::string::npos) return "";
  return platform::LowerAscii(name.substr(dot + 1));
}

bool IsKnownExtension(const std::string& extension) {
  for (std::string_view known : kKnownExtensions) {
    if (extension == known) return true;
  }
  return false;
}

std::string WithFileName(const std::string& url) {
  const std::string extension = LastSegmentExtension(url);
  if (extension.empty()) return url + "/_.htm";
  if (!IsKnownExtension(extension)) return url + "/_.html";
  return url;
}

std::string SeparatorsForUrlSyntax(std::string path) {
  path = platform::ReplaceAll(path, "https:", "//");
  path = platform::ReplaceAll(path, "http:", "//");
  for (std::string_view mark : {"+", "&", "?", ":"}) path = platform::ReplaceAll(path, mark, "/");
  return path;
}

std::string HashText(const std::string& text) {
  uint32_t hash = 2166136261u;  // FNV-1a: short and stable between runs
  for (unsigned char c : text) hash = (hash ^ c) * 16777619u;
  char hex[9];
  std::snprintf(hex, sizeof hex, "%08x", hash);
  return hex;
}

// The first units of the text, never splitting a surrogate pair.
std::u16string Head(const std::u16string& text, size_t units) {
  if (units >= text.size()) return text;
  if (units > 0 && text[units - 1] >= 0xD800 && text[units - 1] <= 0xDBFF) --units;
  return text.substr(0, units);
}

// A long path keeps its file name and as much of its front (host first) as
// fits; a hash of the whole path always stands for the cut part, so different
// addresses never share a copy, even when the name leaves no room for a front.
std::string ShortenPath(const std::string& path) {
  const std::u16string whole = platform::Utf8ToUtf16(path);
  if (whole.size() <= kCachePathLimit) return path;
  const std::string name = platform::GetFileName(path);
  const size_t nameUnits = platform::Utf8ToUtf16(name).size();
  const std::string marker = "~" + HashText(path);
  const size_t tail = marker.size() + 1 + nameUnits;  // marker + "/" + name
  const size_t room = tail < kCachePathLimit ? kCachePathLimit - tail : 0;
  const std::u16string front = Head(whole.substr(0, whole.size() - nameUnits - 1), room);
  return platform::Utf16ToUtf8(front) + marker + "/" + name;
}

std::string RelativeForm(std::string path) {
  path = platform::ReplaceAll(path, "=", ".");
  path = platform::ReplaceAll(path, "%", "/");
  path = platform::ReplaceAll(path, "..", ".");
  if (!path.empty() && IsSeparator(path.front())) path.erase(0, 1);
  return platform::NormalizePath("./" + path);
}

// Dots in folder names become "_", so no folder can be "." or "..".
std::string FoldersWithoutDots(const std::string& path) {
  const std::string folder = platform::ReplaceAll(platform::GetFolderPart(path), ".", "_");
  return platform::NormalizePath(platform::AddSeparator(folder) + platform::GetFileName(path));
}

}  // namespace

std::string UrlTail(const std::string& url) {
  const std::string rest = platform::ReplaceAll(platform::ReplaceAll(url, "https:", ""), "http:", "");
  if (StartsWith(rest, "//")) return rest;
  if (StartsWith(rest, "/")) return "/" + rest;
  return "//" + rest;
}

std::string CacheFolder() {
  suite::MakeSubTempFolder(platform::GetTempFolder(), "I_Read");
  return suite::MakeSubTempFolder(platform::GetTempFolder(), "IR_dump");
}

std::string CacheRelativePath(const std::string& url) {
  std::string path = platform::NormalizePath(WithFileName(platform::RemoveSeparator(url)));
  path = ShortenPath(platform::NormalizePath(SeparatorsForUrlSyntax(path)));
  return FoldersWithoutDots(RelativeForm(path));
}

std::string CachePath(const std::string& url) {
  const std::string path = platform::NormalizePath(platform::AddSeparator(CacheFolder()) + CacheRelativePath(url));
  platform::CreateFolder(platform::GetFolderPart(path));
  return path;
}

std::string FetchToCache(const std::string& url, const net::TraceSink& trace, const net::DownloadLimits& limits) {
  const std::string localPath = CachePath(url);
  const std::string tail = UrlTail(url);
  net::MoveAside(localPath);
  if (!platform::FileExists(localPath, true)) net::HttpGet("https:", tail, localPath, trace, limits);
  if (!platform::FileExists(localPath, true)) net::HttpGet("http:", tail, localPath, trace, limits);
  return localPath;
}

}  // namespace update
