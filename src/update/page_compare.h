// Deciding whether two versions of the download page count as the same.
#pragma once

#include <string>

// Equal once empty lines are dropped and "https:" is read as "http:".
bool same_page(const std::string& oldText, const std::string& newText);

// Equal once tags are broken over lines the same way; writes the two laid-out
// texts (and, when they differ, the file-compare output) into the dated
// temporary folder.
bool same_after_layout(const std::string& oldText, const std::string& newText);

// A line break after every closing div, script, span, li and a tag, before
// every div, script, span, style, img, li, ul and ol tag that follows another
// tag, between an empty-element tag and the next tag, and after ");".
std::string break_page_lines(std::string text);

// The CR LF lines of the text that are not empty, joined by CR LF.
std::string join_filled_lines(const std::string& text);
