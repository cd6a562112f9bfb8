// A name with a value, the common shape of an element attribute and of a CSS
// property. Values are stored as given: nothing is escaped or trimmed.
#pragma once

#include <string>

class Name_Value {
 public:
  Name_Value() = default;
  Name_Value(std::string name, std::string value) : name_(std::move(name)), value_(std::move(value)) {}
  virtual ~Name_Value() = default;
  Name_Value(const Name_Value&) = default;
  Name_Value(Name_Value&&) = default;
  Name_Value& operator=(const Name_Value&) = default;
  Name_Value& operator=(Name_Value&&) = default;

  virtual bool Set(const std::string& name, const std::string& value);
  // A null pointer counts as the empty text.
  virtual bool Set(const char* name, const char* value);
  virtual std::string GetName() const { return name_; }
  virtual std::string GetValue() const { return value_; }

  // Read access without a copy, for the writers.
  const std::string& Name() const { return name_; }
  const std::string& Value() const { return value_; }

 private:
  std::string name_;
  std::string value_;
};

namespace htmout {
inline std::string FromPointer(const char* text) { return text ? std::string(text) : std::string(); }
}  // namespace htmout
