// The one-line text form of an element. Everything is appended to one buffer
// so that the form of a large subtree costs time linear in its size.
#include "htmout/xml_element.h"

namespace {

void AppendElement(const Xml_E& element, std::string& out);

void AppendElements(const Xml_E& element, std::string& out) {
  bool first = true;
  for (const Xml_E& child : element.Elements()) {
    if (!first) out += '\t';
    first = false;
    AppendElement(child, out);
  }
}

void AppendComment(const Xml_E& comment, std::string& out) {
  out += "<!--";
  out += comment.Text();
  out += "-->";
  if (comment.Elements().empty()) return;
  out += "\r\n<!--";
  AppendElements(comment, out);
  out += "-->";
}

void AppendStartTag(const Xml_E& element, std::string& out) {
  out += '<';
  out += element.Name();
  out += '\t';
  for (const Xml_Attribute& attribute : element.Attributes()) {
    out += attribute.Name();
    out += "=\"";
    out += attribute.Value();
    out += "\"\t";
  }
}

void AppendTagged(const Xml_E& element, std::string& out) {
  AppendStartTag(element, out);
  const bool hasText = !element.Text().empty();
  if (hasText) {
    out += '>';
    out += element.Text();
  }
  // The children's part is dropped again when it turns out empty.
  const size_t beforeInner = out.size();
  out += hasText ? "\t\t" : ">\t\t";
  const size_t innerStart = out.size();
  AppendElements(element, out);
  const bool hasInner = out.size() != innerStart;
  if (!hasInner) out.resize(beforeInner);
  if (hasInner) {
    out += "\t</";
    out += element.Name();
    out += '>';
  } else if (hasText) {
    out += "</";
    out += element.Name();
    out += '>';
  } else {
    out += "/>";
  }
}

void AppendElement(const Xml_E& element, std::string& out) {
  if (element.Name().empty()) {
    if (element.Text().empty())
      AppendElements(element, out);
    else
      out += element.Text();
  } else if (element.IsComment()) {
    AppendComment(element, out);
  } else {
    AppendTagged(element, out);
  }
}

}  // namespace

std::string Xml_E::ToString() const {
  std::string out;
  AppendElement(*this, out);
  return out;
}

std::string Xml_E::ElementsToString() const {
  std::string out;
  AppendElements(*this, out);
  return out;
}

