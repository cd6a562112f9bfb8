#include "htmout/htmout.h"

namespace htmout {
namespace {

std::string TextAlignStyle(const char* value) {
  v_Xml_Style styles;
  styles.Add("text-align", value);
  return styles.ToString();
}

Xml_E Element(const char* name, const std::string& text) {
  Xml_E element(name);
  element.SetText(text);
  return element;
}

Xml_E StyledElement(const char* name, const std::string& style) {
  Xml_E element(name);
  element.AddAttribute("style", style);
  return element;
}

}  // namespace

const std::string& CenterStyle() {
  static const std::string style = TextAlignStyle("center");
  return style;
}

const std::string& RightStyle() {
  static const std::string style = TextAlignStyle("right");
  return style;
}

Xml_E Html() {
  Xml_E html("html");
  html.AddAttribute("lang", "ja");
  return html;
}

Xml_E Title(const std::string& text) {
  if (text.empty()) return Xml_E();
  return Element("title", text);
}

Xml_E Div(const std::string& text) { return Element("div", text); }

Xml_E DivCenter() { return StyledElement("div", CenterStyle()); }

Xml_E DivRight() { return StyledElement("div", RightStyle()); }

Xml_E DivRight(const std::string& text) {
  Xml_E div = DivRight();
  div.SetText(text);
  return div;
}

Xml_E A(const std::string& href, std::string text) {
  Xml_E a("a");
  a.AddAttribute("href", href);
  if (text.empty()) text.push_back(' ');
  a.SetText(std::move(text));
  return a;
}

Xml_E Img(const std::string& cls, const std::string& src) {
  Xml_E img("img");
  if (!cls.empty()) img.AddAttribute("class", cls);
  img.AddAttribute("src", src);
  return img;
}

Xml_E Img(const std::string& cls, const std::string& src, const std::string& tip) {
  Xml_E img = Img(cls, src);
  img.AddAttribute("alt", tip);
  img.AddAttribute("title", tip);
  return img;
}

Xml_E Link(const std::string& rel, const std::string& href) {
  Xml_E link("link");
  link.AddAttribute("rel", rel);
  link.AddAttribute("href", href);
  return link;
}

Xml_E Stylesheet(const std::string& href) { return Link("stylesheet", href); }

Xml_E Script(const std::string& type, const std::string& src) {
  Xml_E script("script");
  script.AddAttribute("type", type);
  if (!src.empty()) script.AddAttribute("src", src);
  script.SetText("\t");
  return script;
}

Xml_E ScriptSrc(const std::string& src) { return Script("text/javascript", src); }

Xml_E ImageLink(const std::string& cls, const std::string& src, const std::string& href) {
  return A(href, src.empty() ? std::string() : Img(cls, src, href).ToString());
}

Xml_E ImageWithCaption(const std::string& cls, const std::string& src, const std::string& href,
                       const std::string& text) {
  Xml_E fragment;
  fragment.AddElement(A(href, text));
  fragment.AddElement(Xml_E("br"));
  fragment.AddElement(ImageLink(cls, src, href));
  return fragment;
}

Xml_E TdImageWithCaption(const std::string& cls, const std::string& src, const std::string& href,
                         const std::string& text) {
  Xml_E td = StyledElement("td", CenterStyle());
  td.AddElement(ImageWithCaption(cls, src, href, text));
  return td;
}

Xml_E TdImageAndLink(const std::string& cls, const std::string& src, const std::string& href,
                     const std::string& text) {
  Xml_E imageCell = StyledElement("td", CenterStyle());
  if (src.empty())
    imageCell.SetText(" ");
  else
    imageCell.AddElement(ImageLink(cls, src, href));
  Xml_E linkCell("td");
  linkCell.AddElement(A(href, text));
  Xml_E fragment;
  fragment.AddElement(std::move(imageCell));
  fragment.AddElement(std::move(linkCell));
  return fragment;
}

}  // namespace htmout
