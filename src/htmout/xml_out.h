// Turns element trees into the text of HTML files and writes them.
// Layout: one tab per depth (at most 13), tabs between a tag name and its
// attributes and after each attribute, CR LF line ends, nothing escaped.
#pragma once

#include <string>
#include <vector>

#include "htmout/xml_element.h"

class Xml_Out {
 public:
  // Lines (without line ends) of the element and its subtree written at that
  // depth; a fragment gives none. A comment with children is one line that
  // holds CR LF pairs.
  static std::vector<std::string> CreateElement(const Xml_E& element, int depth);
};

// Lines joined by CR LF, with a final CR LF; no lines give CR LF alone.
std::string JoinLines(const std::vector<std::string>& lines);

// Writes the text as UTF-8 without byte-order mark; false when the file could not be written.
bool WriteTextFile(const std::string& path, const std::string& text);

// The text with characters that are unsafe in file names mapped to safe ones,
// so that a whole path can become one file name.
std::string ToSafeFileName(const std::string& text);

namespace htmout {

// Writes "<!DOCTYPE html>" and the tree. When path cannot be written, a copy
// goes into the temporary work folder under ToSafeFileName(path) and the
// result is false.
bool SaveHtml(const Xml_E& root, const std::string& path);

}  // namespace htmout
