#include "compute/date_arithmetic.h"
#include "support/store_snapshot.h"

namespace tessolar::support {

std::vector<CalEntry> Snapshot(const CCalDatabase& db) {
  std::vector<CalEntry> slots;
  for (uint32_t i = 0; i < db.Count(); ++i) slots.push_back(*db.EntryAt(i));
  return slots;
}

std::vector<CalEntry> EntriesNamed(const CCalDatabase& db, uint32_t type,
                                   const std::string& description) {
  std::vector<CalEntry> found;
  for (uint32_t i = 0; i < db.Count(); ++i) {
    const CalEntry& e = *db.EntryAt(i);
    if (e.type == type && e.description == description) found.push_back(e);
  }
  return found;
}

long EntryDays(const CalEntry& entry) {
  return static_cast<long>(DaysFromCivil(entry.year, entry.month, entry.day));
}

}  // namespace tessolar::support

namespace tessolar {

void PrintTo(const CalEntry& e, std::ostream* out) {
  *out << e.year << "-" << e.month + 1 << "-" << e.day << " type " << e.type << " '"
       << e.description << "' " << e.pictureFile << " slot " << e.index << " hidden "
       << int(e.hidden) << " showAge " << int(e.showAge);
}

}  // namespace tessolar
