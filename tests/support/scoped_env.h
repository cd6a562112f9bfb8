// Sets (or unsets) one environment variable for a scope and restores it after.
#pragma once

#include <cstdlib>
#include <ctime>
#include <optional>
#include <string>

class ScopedEnv {
 public:
  ScopedEnv(const char* name, const std::optional<std::string>& value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    Apply(value);
  }
  ~ScopedEnv() { Apply(old_); }

 private:
  void Apply(const std::optional<std::string>& value) {
    value ? ::setenv(name_, value->c_str(), 1) : ::unsetenv(name_);
    ::tzset();  // in case it was TZ
  }

  const char* name_;
  std::optional<std::string> old_;
};
