#pragma once
// The per-user settings the program keeps between runs (window position and
// recent calendars), as text values in named groups.

#include <string>

namespace tessolar {

class SettingsStore {
 public:
  virtual ~SettingsStore() = default;
  // Empty when the value is not set.
  virtual std::string Value(const std::string& group, const std::string& name) const = 0;
  virtual void SetValue(const std::string& group, const std::string& name,
                        const std::string& value) = 0;
};

}  // namespace tessolar
