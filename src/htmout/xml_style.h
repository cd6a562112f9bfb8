// CSS properties and the text of a style attribute made from them.
#pragma once

#include <string>
#include <vector>

#include "htmout/name_value.h"

class Xml_Style : public Name_Value {
 public:
  using Name_Value::Name_Value;
};

class v_Xml_Style {
 public:
  virtual ~v_Xml_Style() = default;

  // Appends without looking for an existing property of that name.
  virtual bool Add(const char* name, const char* value);
  virtual bool Add(const std::string& name, const std::string& value);
  virtual int GetCount() const;
  // Out of range: a property with empty name and value.
  virtual Xml_Style GetAt(int index) const;
  // "name : value ;" for every property with both parts, separated by tabs.
  virtual std::string ToString() const;

 private:
  std::vector<Xml_Style> styles_;
};
