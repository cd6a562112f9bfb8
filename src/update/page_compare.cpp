#include "update/page_compare.h"

#include <array>
#include <atomic>
#include <cstdio>
#include <utility>

#include "platform/fs/file_io.h"
#include "platform/fs/file_operations.h"
#include "platform/fs/file_status.h"
#include "platform/system/clock.h"
#include "platform/text/text_decode.h"
#include "platform/text/text_replace.h"
#include "suite/folders.h"
#include "update/page_diff.h"

namespace update {
namespace {

constexpr std::array<std::pair<const char*, const char*>, 15> kLineBreakRules = {{
    {"</div>", "</div>\r\n"},
    {"</script>", "</script>\r\n"},
    {"</span>", "</span>\r\n"},
    {"</li>", "</li>\r\n"},
    {"</a>", "</a>\r\n"},
    {"><div", ">\r\n<div"},
    {"><script", ">\r\n<script"},
    {"><span", ">\r\n<span"},
    {"><style", ">\r\n<style"},
    {"><img", ">\r\n<img"},
    {"><li", ">\r\n<li"},
    {"><ul", ">\r\n<ul"},
    {"><ol", ">\r\n<ol"},
    {"/><", "/>\r\n<"},
    {");", ");\r\n"},
}};

std::vector<std::string> FilledLines(const std::string& text) {
  std::vector<std::string> lines;
  for (size_t start = 0; start <= text.size();) {
    size_t end = text.find("\r\n", start);
    if (end == std::string::npos) end = text.size();
    if (end > start) lines.push_back(text.substr(start, end - start));
    start = end + 2;
  }
  return lines;
}

std::string Joined(const std::vector<std::string>& lines) {
  std::string text;
  for (size_t i = 0; i < lines.size(); ++i) text += (i ? "\r\n" : "") + lines[i];
  return text;
}

std::string PageForComparison(const std::string& text) {
  return platform::ReplaceAll(JoinFilledLines(text) + "\r\n", "https:", "http:");
}

// Counts comparisons for the life of the process; the first is number 01.
int NextComparisonNumber() {
  static std::atomic<int> number{0};
  return ++number;
}

std::string ComparisonPrefix() {
  char number[16];
  std::snprintf(number, sizeof number, "%02d", NextComparisonNumber());
  return suite::GetDatedTempFolder() + platform::FormatLocalTime("%H%M_") + number;
}

// Goes through a work file and back, as every page text the check keeps.
void WriteLaidOut(const std::string& path, const std::string& text) {
  const std::string work = path + ".work";
  platform::WriteFileBytes(work, platform::Bytes(text.begin(), text.end()));
  const std::string laidOut = JoinFilledLines(platform::ReadTextFile(work, kKeptCopyLimit));
  platform::WriteFileBytes(path, platform::Bytes(laidOut.begin(), laidOut.end()));
  platform::RemoveFile(work);
}

}  // namespace

std::string JoinFilledLines(const std::string& text) { return Joined(FilledLines(text)); }

std::string BreakPageLines(std::string text) {
  for (const auto& [search, replacement] : kLineBreakRules) text = platform::ReplaceAll(text, search, replacement);
  return text;
}

bool SamePage(const std::string& oldText, const std::string& newText) {
  return PageForComparison(oldText) == PageForComparison(newText);
}

bool SameAfterLayout(const std::string& oldText, const std::string& newText, const net::TraceSink& trace) {
  const std::string prefix = ComparisonPrefix();
  const std::string oldFile = prefix + "o.htm";
  const std::string newFile = prefix + "n.htm";
  WriteLaidOut(oldFile, BreakPageLines(oldText));
  WriteLaidOut(newFile, BreakPageLines(newText));
  if (platform::FileExists(oldFile) && platform::FileExists(newFile) &&
      platform::ReadTextFile(oldFile, kKeptCopyLimit) == platform::ReadTextFile(newFile, kKeptCopyLimit)) {
    trace(net::TraceStream::Error, "no update\n");
    return true;
  }
  const std::string resultFile = prefix + "_.txt";
  if (WritePageDifferences(oldFile, newFile, resultFile)) {
    const platform::Bytes differences = platform::ReadFileBytes(resultFile, kKeptCopyLimit);
    trace(net::TraceStream::Output, std::string(differences.begin(), differences.end()));
  }
  return false;
}

}  // namespace update
