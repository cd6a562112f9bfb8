// The element tree every page is built from, and the builders of the HTML
// elements pages are made of. Elements own their children by value; an
// element with an empty name is a fragment (adding it adds its children
// instead), and an element named "---" is a comment. Nothing is escaped.
#pragma once

#include <initializer_list>
#include <string>
#include <vector>

namespace html {

// An attribute of an element; duplicates are kept in insertion order.
struct Attribute {
  std::string name;
  std::string value;
};

// One CSS property of a style attribute.
struct Style {
  std::string name;
  std::string value;
};

// The text of a style attribute: "name : value ;" for every property with
// both parts, separated by tabs, white space trimmed at both ends.
std::string StyleText(std::initializer_list<Style> styles);

class Element {
 public:
  // The empty name makes the empty fragment, which stands for no element.
  explicit Element(std::string name = "");
  // The element with these attributes, in this order.
  Element(std::string name, std::initializer_list<Attribute> attributes);

  void SetText(std::string text);
  // Makes a comment; every "--" in the body loses its second hyphen to a tab.
  void SetComment(const std::string& text);
  void AddAttribute(std::string name, std::string value);
  // A fragment adds its children (flattened) and loses its text and attributes.
  void AddElement(Element&& child);

  // One-line markup, used to embed an element as the text of another.
  std::string ToString() const;

  const std::string& Name() const { return name_; }
  const std::string& Text() const { return text_; }
  const std::vector<Attribute>& Attributes() const { return attributes_; }
  // Never a fragment: fragments are resolved when they are added.
  const std::vector<Element>& Elements() const { return elements_; }
  bool IsComment() const;

 private:
  // Capacity for more children, growing geometrically.
  void MakeRoomFor(size_t more);

  std::string name_;
  std::string text_;
  std::vector<Attribute> attributes_;
  std::vector<Element> elements_;
};

Element Html();
// The empty fragment when text is empty.
Element Title(const std::string& text);
Element Div(const std::string& text);
Element DivCenter();
Element DivRight(const std::string& text);
// An empty text becomes " ", so that an anchor is never written as an empty element.
Element A(const std::string& href, std::string text);
// "class" only when cls is not empty; "alt" and "title" are the tip.
Element Img(const std::string& cls, const std::string& src, const std::string& tip);
Element Stylesheet(const std::string& href);
// A JavaScript element; "src" only when src is not empty. The text is one
// tab, so that the script always gets an end tag.
Element ScriptSrc(const std::string& src);
// A centred cell: caption link, "br", and a link whose text is the image
// markup (none when src is empty). The text is also the image's tip.
Element TdImageWithCaption(const std::string& cls, const std::string& src, const std::string& href,
                           const std::string& text);
// Fragment of two cells: the image link (or " ") centred, then the caption link.
Element TdImageAndLink(const std::string& cls, const std::string& src, const std::string& href,
                       const std::string& text);

}  // namespace html
