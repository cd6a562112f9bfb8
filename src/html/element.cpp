#include "html/element.h"

#include <algorithm>

#include "platform/text/utf.h"

namespace html {
namespace {

constexpr std::string_view kCommentName = "---";

// The characters iswspace accepts for UTF-16 text.
bool IsWideSpace(char16_t c) {
  return (c >= 0x09 && c <= 0x0D) || c == 0x20 || c == 0x85 || c == 0xA0 || c == 0x1680 ||
         (c >= 0x2000 && c <= 0x200A) || c == 0x2028 || c == 0x2029 || c == 0x202F || c == 0x205F ||
         c == 0x3000;
}

std::string TrimWideSpace(const std::string& text) {
  const std::u16string units = platform::Utf8ToUtf16(text);
  size_t begin = 0;
  size_t end = units.size();
  while (begin < end && IsWideSpace(units[begin])) ++begin;
  while (end > begin && IsWideSpace(units[end - 1])) --end;
  return platform::Utf16ToUtf8(std::u16string_view(units).substr(begin, end - begin));
}

// The one-line form is appended to one buffer, so that the form of a large
// subtree costs time linear in its size.
void AppendElement(const Element& element, std::string& out);

void AppendElements(const Element& element, std::string& out) {
  bool first = true;
  for (const Element& child : element.Elements()) {
    if (!first) out += '\t';
    first = false;
    AppendElement(child, out);
  }
}

void AppendComment(const Element& comment, std::string& out) {
  out += "<!--";
  out += comment.Text();
  out += "-->";
  if (comment.Elements().empty()) return;
  out += "\r\n<!--";
  AppendElements(comment, out);
  out += "-->";
}

void AppendTagged(const Element& element, std::string& out) {
  out += '<';
  out += element.Name();
  out += '\t';
  for (const Attribute& attribute : element.Attributes()) {
    out += attribute.name;
    out += "=\"";
    out += attribute.value;
    out += "\"\t";
  }
  const bool hasText = !element.Text().empty();
  if (hasText) {
    out += '>';
    out += element.Text();
  }
  if (!element.Elements().empty()) {
    out += hasText ? "\t\t" : ">\t\t";
    AppendElements(element, out);
    out += "\t</";
  } else if (hasText) {
    out += "</";
  } else {
    out += "/>";
    return;
  }
  out += element.Name();
  out += '>';
}

void AppendElement(const Element& element, std::string& out) {
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

Element WithStyle(const char* name, const std::string& style) { return Element(name, {{"style", style}}); }

Element WithText(Element element, const std::string& text) {
  element.SetText(text);
  return element;
}

// An anchor whose text is the markup of the image (none when src is empty);
// the tip is the name as text, as href is percent-encoded.
Element ImageLink(const std::string& cls, const std::string& src, const std::string& href, const std::string& tip) {
  return A(href, src.empty() ? std::string() : Img(cls, src, tip).ToString());
}

// Every cell of a table takes one of these styles: made once per run.
const std::string& CenterStyle() {
  static const std::string style = StyleText({{"text-align", "center"}});
  return style;
}

const std::string& RightStyle() {
  static const std::string style = StyleText({{"text-align", "right"}});
  return style;
}

}  // namespace

std::string StyleText(std::initializer_list<Style> styles) {
  std::string text;
  for (const Style& style : styles) {
    if (style.name.empty() || style.value.empty()) continue;
    text += style.name + " : " + style.value + " ;\t";
  }
  return TrimWideSpace(text);
}

Element::Element(std::string name) : name_(std::move(name)) {}

Element::Element(std::string name, std::initializer_list<Attribute> attributes)
    : name_(std::move(name)), attributes_(attributes) {}

void Element::SetText(std::string text) { text_ = std::move(text); }

void Element::SetComment(const std::string& text) {
  name_ = kCommentName;
  std::string body = "\t" + text + "\t";
  for (size_t hit = body.find("--"); hit != std::string::npos; hit = body.find("--", hit + 1)) body[hit + 1] = '\t';
  text_ = std::move(body);
}

void Element::AddAttribute(std::string name, std::string value) {
  attributes_.push_back({std::move(name), std::move(value)});
}

void Element::AddElement(Element&& child) {
  if (!child.name_.empty()) {
    elements_.push_back(std::move(child));
    return;
  }
  MakeRoomFor(child.elements_.size());
  for (Element& grandchild : child.elements_) AddElement(std::move(grandchild));
  child.elements_.clear();
}

void Element::MakeRoomFor(size_t more) {
  const size_t needed = elements_.size() + more;
  if (needed > elements_.capacity()) elements_.reserve(std::max(needed, 2 * elements_.capacity()));
}

std::string Element::ToString() const {
  std::string out;
  AppendElement(*this, out);
  return out;
}

bool Element::IsComment() const { return name_ == kCommentName; }

Element Html() { return Element("html", {{"lang", "ja"}}); }

Element Title(const std::string& text) { return text.empty() ? Element() : WithText(Element("title"), text); }

Element Div(const std::string& text) { return WithText(Element("div"), text); }

Element DivCenter() { return WithStyle("div", CenterStyle()); }

Element DivRight(const std::string& text) { return WithText(WithStyle("div", RightStyle()), text); }

Element A(const std::string& href, std::string text) {
  if (text.empty()) text.push_back(' ');
  return WithText(Element("a", {{"href", href}}), text);
}

Element Img(const std::string& cls, const std::string& src, const std::string& tip) {
  Element img("img");
  if (!cls.empty()) img.AddAttribute("class", cls);
  img.AddAttribute("src", src);
  img.AddAttribute("alt", tip);
  img.AddAttribute("title", tip);
  return img;
}

Element Stylesheet(const std::string& href) { return Element("link", {{"rel", "stylesheet"}, {"href", href}}); }

Element ScriptSrc(const std::string& src) {
  Element script("script", {{"type", "text/javascript"}});
  if (!src.empty()) script.AddAttribute("src", src);
  script.SetText("\t");
  return script;
}

Element TdImageWithCaption(const std::string& cls, const std::string& src, const std::string& href,
                           const std::string& text) {
  Element td = WithStyle("td", CenterStyle());
  td.AddElement(A(href, text));
  td.AddElement(Element("br"));
  td.AddElement(ImageLink(cls, src, href, text));
  return td;
}

Element TdImageAndLink(const std::string& cls, const std::string& src, const std::string& href,
                       const std::string& text) {
  Element imageCell = WithStyle("td", CenterStyle());
  if (src.empty())
    imageCell.SetText(" ");
  else
    imageCell.AddElement(ImageLink(cls, src, href, text));
  Element linkCell("td");
  linkCell.AddElement(A(href, text));
  Element fragment;
  fragment.AddElement(std::move(imageCell));
  fragment.AddElement(std::move(linkCell));
  return fragment;
}

}  // namespace html
