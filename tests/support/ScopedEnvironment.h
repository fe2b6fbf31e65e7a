#pragma once
#include <cstdlib>
#include <optional>
#include <string>
#include <utility>

// An environment variable set while this object lives, then put back as it was (or removed
// if it was absent). SDL reads its drivers' names from the environment when it starts one.
class ScopedEnvironmentVariable {
 public:
  ScopedEnvironmentVariable(std::string name, const std::string& value) : name_(std::move(name)) {
    if (const char* old = std::getenv(name_.c_str())) previous_ = old;
    Set(value.c_str());
  }
  ~ScopedEnvironmentVariable() { Set(previous_ ? previous_->c_str() : nullptr); }
  ScopedEnvironmentVariable(const ScopedEnvironmentVariable&) = delete;
  ScopedEnvironmentVariable& operator=(const ScopedEnvironmentVariable&) = delete;

 private:
  // value nullptr removes the variable. Windows' C runtime passes the change on to the
  // process environment that SDL reads there.
  void Set(const char* value) const {
#ifdef _WIN32
    _putenv_s(name_.c_str(), value != nullptr ? value : "");
#else
    if (value != nullptr) {
      setenv(name_.c_str(), value, 1);
    } else {
      unsetenv(name_.c_str());
    }
#endif
  }

  std::string name_;
  std::optional<std::string> previous_;
};
