#include "htmout/line_writer.h"

#include <algorithm>

namespace htmout {
namespace {

constexpr int kMaxIndent = 13;

}  // namespace

void LineWriter::Write(const Xml_E& element, int depth) {
  if (element.Name().empty()) return;
  if (element.IsComment())
    WriteComment(element, depth);
  else
    WriteTagged(element, depth);
}

void LineWriter::WriteComment(const Xml_E& comment, int depth) {
  Indent(depth);
  out_ += "<!--";
  out_ += comment.Text();
  out_ += "-->";
  if (!comment.Elements().empty()) {
    out_ += "\r\n";
    Indent(depth);
    out_ += "<!--";
    // The children's lines follow on their own lines only when there are any.
    const size_t beforeChildren = out_.size();
    out_ += "\r\n";
    const size_t childrenStart = out_.size();
    ++commentNesting_;
    for (const Xml_E& child : comment.Elements()) Write(child, depth + 1);
    --commentNesting_;
    if (out_.size() == childrenStart) out_.resize(beforeChildren);
    Indent(depth + 1);
    out_ += "-->";
  }
  EndLine();
}

void LineWriter::WriteTagged(const Xml_E& element, int depth) {
  WriteStartTag(element, depth);
  const std::string& text = element.Text();
  if (text.empty() && element.Elements().empty()) {
    out_ += "/>";
    EndLine();
    return;
  }
  out_ += '>';
  out_.append(text, 0, text.find('\0'));
  if (element.Elements().empty()) {
    out_ += "</";
    out_ += element.Name();
    out_ += '>';
    EndLine();
    return;
  }
  EndLine();
  WriteChildren(element, depth);
  Indent(depth + 1);
  out_ += "</";
  out_ += element.Name();
  out_ += '>';
  EndLine();
}

void LineWriter::WriteStartTag(const Xml_E& element, int depth) {
  Indent(depth);
  out_ += '<';
  out_ += element.Name();
  out_ += '\t';
  for (const Xml_Attribute& attribute : element.Attributes()) {
    // Values are never escaped; a value with a double quote gets apostrophes.
    const char quote = attribute.Value().find('"') == std::string::npos ? '"' : '\'';
    out_ += attribute.Name();
    out_ += '=';
    out_ += quote;
    out_ += attribute.Value();
    out_ += quote;
    out_ += '\t';
  }
}

void LineWriter::WriteChildren(const Xml_E& element, int depth) {
  for (const Xml_E& child : element.Elements()) Write(child, depth + 1);
}

void LineWriter::Indent(int depth) { out_.append(static_cast<size_t>(std::clamp(depth, 0, kMaxIndent)), '\t'); }

void LineWriter::EndLine() {
  if (commentNesting_ == 0) lineEnds_.push_back(out_.size());
  out_ += "\r\n";
}

}  // namespace htmout
