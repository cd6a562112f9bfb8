// Builders for the HTML elements pages are made of. Each returns a new
// element; several siblings come back as a fragment (an element without name).
#pragma once

#include <string>

#include "htmout/xml_element.h"

namespace htmout {

// "text-align : center ;" and "text-align : right ;".
const std::string& CenterStyle();
const std::string& RightStyle();

Xml_E Html();
// The empty fragment when text is empty.
Xml_E Title(const std::string& text);
Xml_E Div(const std::string& text);
Xml_E DivCenter();
Xml_E DivRight();
Xml_E DivRight(const std::string& text);
// An empty text becomes " ", so that an anchor is never written as an empty element.
Xml_E A(const std::string& href, std::string text);
Xml_E Img(const std::string& cls, const std::string& src);
Xml_E Img(const std::string& cls, const std::string& src, const std::string& tip);
Xml_E Link(const std::string& rel, const std::string& href);
Xml_E Stylesheet(const std::string& href);
// The text is one tab, so that the script always gets an end tag.
Xml_E Script(const std::string& type, const std::string& src);
Xml_E ScriptSrc(const std::string& src);
// An anchor whose text is the markup of the image (none when src is empty).
Xml_E ImageLink(const std::string& cls, const std::string& src, const std::string& href);
// Fragment: caption link, "br", image link.
Xml_E ImageWithCaption(const std::string& cls, const std::string& src, const std::string& href,
                       const std::string& text);
Xml_E TdImageWithCaption(const std::string& cls, const std::string& src, const std::string& href,
                         const std::string& text);
// Fragment of two cells: the image link (or " "), then the caption link.
Xml_E TdImageAndLink(const std::string& cls, const std::string& src, const std::string& href,
                     const std::string& text);

}  // namespace htmout
