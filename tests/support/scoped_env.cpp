#include "support/scoped_env.h"

#include <cstdlib>
#include <ctime>

ScopedEnv::ScopedEnv(const char* name, const std::optional<std::string>& value) : name_(name) {
  if (const char* old = std::getenv(name)) old_ = old;
  Apply(value);
}

ScopedEnv::~ScopedEnv() { Apply(old_); }

void ScopedEnv::Apply(const std::optional<std::string>& value) {
  if (value) {
    ::setenv(name_, value->c_str(), 1);
  } else {
    ::unsetenv(name_);
  }
  ::tzset();  // in case it was TZ
}
