// Writes the lines of element trees into one growing buffer, each line ended
// by CR LF, so that writing a tree takes time linear in its size.
#pragma once

#include <string>
#include <vector>

#include "htmout/xml_element.h"

namespace htmout {

class LineWriter {
 public:
  explicit LineWriter(std::string& out) : out_(out) {}

  void Write(const Xml_E& element, int depth);

  // Buffer offsets where the written lines end (where their CR LF starts).
  // Lines nested in a comment are part of the comment's line.
  const std::vector<size_t>& LineEnds() const { return lineEnds_; }

 private:
  void WriteComment(const Xml_E& comment, int depth);
  void WriteTagged(const Xml_E& element, int depth);
  void WriteStartTag(const Xml_E& element, int depth);
  void WriteChildren(const Xml_E& element, int depth);
  void Indent(int depth);
  void EndLine();

  std::string& out_;
  std::vector<size_t> lineEnds_;
  int commentNesting_ = 0;
};

}  // namespace htmout
