#include "app/flows/recent_files.h"

#include <cstdio>

namespace tessolar {
namespace {

constexpr char kGroup[] = "Tessolar";
constexpr char kFreeSlot[] = "empty";

bool IsFree(const std::string& value) { return value.empty() || value == kFreeSlot; }

}  // namespace

std::string RecentFiles::Slot(int n) const {
  char name[16];
  std::snprintf(name, sizeof name, "RecentFile%02d", n);
  return settings_.Value(kGroup, name);
}

void RecentFiles::SetSlot(int n, const std::string& path) {
  char name[16];
  std::snprintf(name, sizeof name, "RecentFile%02d", n);
  settings_.SetValue(kGroup, name, path);
}

void RecentFiles::Add(const std::string& path) {
  for (int n = 1; n <= kRecentFileSlots; ++n) {
    if (Slot(n) == path) return;
  }
  for (int n = 1; n <= kRecentFileSlots; ++n) {
    if (IsFree(Slot(n))) {
      SetSlot(n, path);
      return;
    }
  }
  for (int n = 1; n < kRecentFileSlots; ++n) SetSlot(n, Slot(n + 1));
  SetSlot(kRecentFileSlots, path);
}

void RecentFiles::Remove(const std::string& path) {
  for (int n = 1; n <= kRecentFileSlots; ++n) {
    if (Slot(n) == path) {
      SetSlot(n, kFreeSlot);
      return;
    }
  }
}

void RecentFiles::Clear() {
  for (int n = 1; n <= kRecentFileSlots; ++n) SetSlot(n, kFreeSlot);
}

std::vector<std::string> RecentFiles::Read() const {
  std::vector<std::string> paths;
  for (int n = 1; n <= kRecentFileSlots; ++n) {
    std::string value = Slot(n);
    if (!IsFree(value)) paths.push_back(std::move(value));
  }
  return paths;
}

}  // namespace tessolar
