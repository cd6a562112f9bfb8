// Turns element trees into the text of HTML files and writes them.
// Layout: one tab per depth (at most 13), tabs between a tag name and its
// attributes and after each attribute, the closing tag of an element with
// children one level deeper than its start tag, CR LF line ends, nothing
// escaped.
#pragma once

#include <string>

#include "html/element.h"

namespace html {

// The lines of the element and its subtree written at that depth, each ended
// by CR LF; a fragment gives none. A comment with children is one line that
// holds its children's lines.
std::string ElementText(const Element& element, int depth);

// Writes "<!DOCTYPE html>" and the tree's lines, UTF-8 without byte-order
// mark; true when the page was written at path. Otherwise a copy goes into
// the temporary work folder under ToSafeFileName(path). Failures are logged.
bool SavePage(const Element& root, const std::string& path);

// Writes the text as UTF-8 without byte-order mark; false when the file could not be written.
bool WriteTextFile(const std::string& path, const std::string& text);

// The text with characters that are unsafe in file names mapped to safe ones,
// so that a whole path can become one file name.
std::string ToSafeFileName(const std::string& text);

}  // namespace html
