// Deciding whether two versions of the download page count as the same.
#pragma once

#include <cstddef>
#include <string>

#include "net/http_get.h"
#include "net/trace.h"

namespace update {

// The largest kept copy of the download page, or laid-out text or comparison
// of two, read back: laying out breaks lines, so room for four downloads.
constexpr size_t kKeptCopyLimit = 4 * net::DownloadLimits{}.maxBytes;

// Equal once empty lines are dropped and "https:" is read as "http:".
bool SamePage(const std::string& oldText, const std::string& newText);

// Equal once tags are broken over lines the same way; writes the two laid-out
// texts (and, when they differ, the file-compare output) into the dated
// temporary folder. "no update" (standard error) or the file-compare output
// (standard output) goes to the trace.
bool SameAfterLayout(const std::string& oldText, const std::string& newText, const net::TraceSink& trace);

// A line break after every closing div, script, span, li and a tag, before
// every div, script, span, style, img, li, ul and ol tag that follows another
// tag, between an empty-element tag and the next tag, and after ");".
std::string BreakPageLines(std::string text);

// The CR LF lines of the text that are not empty, joined by CR LF.
std::string JoinFilledLines(const std::string& text);

}  // namespace update
