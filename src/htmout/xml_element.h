// The element tree every page is built from. Elements own their children by
// value; an element with an empty name is a fragment (adding it adds its
// children instead), and an element named "---" is a comment.
#pragma once

#include <string>
#include <vector>

#include "htmout/xml_attribute.h"
#include "htmout/xml_style.h"

class Xml_E {
 public:
  // The empty name makes the empty fragment, which stands for no element.
  explicit Xml_E(const char* name = "");
  explicit Xml_E(std::string name);
  virtual ~Xml_E() = default;
  Xml_E(const Xml_E&) = default;
  Xml_E(Xml_E&&) = default;
  Xml_E& operator=(const Xml_E&) = default;
  Xml_E& operator=(Xml_E&&) = default;

  virtual bool Clear();
  virtual bool IsEmpty() const;
  virtual bool SetName(const std::string& name);
  virtual bool SetName(const char* name);
  virtual bool SetText(const std::string& text);
  virtual bool SetText(std::string&& text);
  virtual bool SetText(const char* text);
  // Makes a comment; every "--" in the body loses its second hyphen to a tab.
  virtual bool SetComment(const char* text);
  virtual bool SetComment(const std::string& text);
  virtual bool AddAttribute(const char* name, const char* value);
  virtual bool AddAttribute(const std::string& name, const std::string& value);
  virtual std::string GetName() const;
  virtual std::string GetText() const;
  virtual bool IsComment() const;
  virtual int GetAttributeCount() const;
  // Value of the first attribute of that name; empty when there is none.
  virtual std::string GetAttribute(const char* name) const;
  virtual std::string GetAttribute(const std::string& name) const;
  virtual Xml_Attribute GetAttributeAt(int index) const;
  // A fragment adds its children (flattened) and loses its text and attributes.
  virtual bool AddElement(const Xml_E& child);
  virtual bool AddElement(Xml_E&& child);
  virtual int GetElementCount() const;
  // Out of range: the empty fragment.
  virtual Xml_E GetElementAt(int index) const;
  // First descendant of that name in document order, the element itself excluded.
  virtual Xml_E GetElement(const char* name) const;
  virtual Xml_E GetElement(const std::string& name) const;
  // Like GetElement, but the element itself matches first.
  virtual Xml_E FindElement(const char* name) const;
  virtual Xml_E FindElement(const std::string& name) const;
  // One-line markup, used to embed an element as the text of another.
  virtual std::string ToString() const;
  // ToString of every child, separated by one tab.
  virtual std::string ElementsToString() const;

  // Read access without copies, for the writers and builders.
  const std::string& Name() const { return name_; }
  const std::string& Text() const { return text_; }
  const std::vector<Xml_Attribute>& Attributes() const { return attributes_; }
  const std::vector<Xml_E>& Elements() const { return elements_; }

 private:
  const Xml_E* FindDescendant(const std::string& name) const;
  // Capacity for more children, growing geometrically.
  void MakeRoomFor(size_t more);

  std::string name_;
  std::string text_;
  std::vector<Xml_Attribute> attributes_;
  std::vector<Xml_E> elements_;
};

// Name of a comment element.
inline constexpr const char* kCommentName = "---";
