#include "htmout/name_value.h"

bool Name_Value::Set(const std::string& name, const std::string& value) {
  name_ = name;
  value_ = value;
  return true;
}

bool Name_Value::Set(const char* name, const char* value) {
  return Set(htmout::FromPointer(name), htmout::FromPointer(value));
}
