#pragma once
// The ten recently used calendars, kept as "RecentFile01".."RecentFile10" in
// the settings group "Tessolar". Slot 01 holds the oldest path; an empty value
// or "empty" is a free slot.

#include <string>
#include <vector>

#include "app/flows/settings_store.h"

namespace tessolar {

inline constexpr int kRecentFileSlots = 10;

class RecentFiles {
 public:
  explicit RecentFiles(SettingsStore& settings) : settings_(settings) {}

  // Stores `path` in the first free slot, or shifts the list and puts it last;
  // nothing when it is listed already. Paths compare whole and with their
  // case: on Linux Family.cal and family.cal are two files.
  void Add(const std::string& path);
  // Frees the first slot that holds `path`; later slots stay.
  void Remove(const std::string& path);
  // Frees every slot.
  void Clear();
  // The listed paths in slot order, oldest first.
  std::vector<std::string> Read() const;

 private:
  std::string Slot(int n) const;
  void SetSlot(int n, const std::string& path);

  SettingsStore& settings_;
};

}  // namespace tessolar
