#include "htmout/xml_element.h"

#include <algorithm>

#include "platform/feedback.h"

Xml_E::Xml_E(const char* name) : name_(htmout::FromPointer(name)) {}

Xml_E::Xml_E(std::string name) : name_(std::move(name)) {}

bool Xml_E::Clear() {
  *this = Xml_E();
  return true;
}

bool Xml_E::IsEmpty() const {
  return name_.empty() && text_.empty() && attributes_.empty() && elements_.empty();
}

bool Xml_E::SetName(const std::string& name) {
  name_ = name;
  return true;
}

bool Xml_E::SetName(const char* name) { return SetName(htmout::FromPointer(name)); }

bool Xml_E::SetText(const std::string& text) {
  text_ = text;
  return true;
}

bool Xml_E::SetText(std::string&& text) {
  text_ = std::move(text);
  return true;
}

bool Xml_E::SetText(const char* text) { return SetText(htmout::FromPointer(text)); }

bool Xml_E::SetComment(const char* text) { return SetComment(htmout::FromPointer(text)); }

bool Xml_E::SetComment(const std::string& text) {
  name_ = kCommentName;
  std::string body = "\t" + text + "\t";
  for (size_t hit = body.find("--"); hit != std::string::npos; hit = body.find("--", hit + 1)) body[hit + 1] = '\t';
  text_ = std::move(body);
  return true;
}

bool Xml_E::AddAttribute(const char* name, const char* value) {
  return AddAttribute(htmout::FromPointer(name), htmout::FromPointer(value));
}

bool Xml_E::AddAttribute(const std::string& name, const std::string& value) {
  attributes_.emplace_back(name, value);
  return true;
}

std::string Xml_E::GetName() const { return name_; }

std::string Xml_E::GetText() const { return text_; }

bool Xml_E::IsComment() const { return name_ == std::string_view(kCommentName); }

int Xml_E::GetAttributeCount() const { return static_cast<int>(attributes_.size()); }

std::string Xml_E::GetAttribute(const char* name) const { return GetAttribute(htmout::FromPointer(name)); }

std::string Xml_E::GetAttribute(const std::string& name) const {
  for (const Xml_Attribute& attribute : attributes_)
    if (attribute.Name() == name) return attribute.Value();
  return std::string();
}

Xml_Attribute Xml_E::GetAttributeAt(int index) const {
  if (index < 0 || index >= GetAttributeCount()) return Xml_Attribute();
  return attributes_[static_cast<size_t>(index)];
}

bool Xml_E::AddElement(const Xml_E& child) {
  if (!child.name_.empty()) {
    elements_.push_back(child);
    return true;
  }
  // Index loop over a count fixed up front: a fragment may be added to itself.
  const size_t count = child.elements_.size();
  MakeRoomFor(count);
  for (size_t i = 0; i < count; ++i) AddElement(child.elements_[i]);
  return true;
}

bool Xml_E::AddElement(Xml_E&& child) {
  if (&child == this) return AddElement(static_cast<const Xml_E&>(child));
  if (!child.name_.empty()) {
    elements_.push_back(std::move(child));
    return true;
  }
  MakeRoomFor(child.elements_.size());
  for (Xml_E& grandchild : child.elements_) AddElement(std::move(grandchild));
  child.elements_.clear();
  return true;
}

void Xml_E::MakeRoomFor(size_t more) {
  const size_t needed = elements_.size() + more;
  if (needed > elements_.capacity()) elements_.reserve(std::max(needed, 2 * elements_.capacity()));
}

int Xml_E::GetElementCount() const { return static_cast<int>(elements_.size()); }

Xml_E Xml_E::GetElementAt(int index) const {
  if (index < 0 || index >= GetElementCount()) return Xml_E();
  return elements_[static_cast<size_t>(index)];
}

Xml_E Xml_E::GetElement(const char* name) const { return GetElement(htmout::FromPointer(name)); }

Xml_E Xml_E::GetElement(const std::string& name) const {
  const Xml_E* found = FindDescendant(name);
  return found ? *found : Xml_E();
}

Xml_E Xml_E::FindElement(const char* name) const { return FindElement(htmout::FromPointer(name)); }

Xml_E Xml_E::FindElement(const std::string& name) const {
  if (name_ == name) return *this;
  return GetElement(name);
}

const Xml_E* Xml_E::FindDescendant(const std::string& name) const {
  static const std::string title = "Xml_E::GetElement ...";
  platform::TitleProgress progress(title, static_cast<unsigned>(elements_.size()));
  for (const Xml_E& child : elements_) {
    progress.Step();
    if (child.name_ == name) return &child;
    if (const Xml_E* found = child.FindDescendant(name)) return found;
  }
  return nullptr;
}
