// One attribute of an element, kept in insertion order; duplicates are allowed.
#pragma once

#include "htmout/name_value.h"

class Xml_Attribute : public Name_Value {
 public:
  using Name_Value::Name_Value;
};
