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
  for (const CalEntry& e : Snapshot(db)) {
    if (e.type == type && e.description == description) found.push_back(e);
  }
  return found;
}

long EntryDays(const CalEntry& entry) {
  return static_cast<long>(DaysFromCivil(entry.year, entry.month, entry.day));
}

void AddUserEntries(CCalDatabase& db) {
  db.SaveHolidayData(2, 3, 1950, kBirthday, "Grandma", "cake.gif", 0, 1);
  db.SaveHolidayData(3, 8, 2007, kPersonalEvent, "Passover", "seder.jpg", 0, 0);
  db.SaveHolidayData(8, 13, 1990, kAnniversary, "Easter Sunday", "null", 1, 0);
  db.SaveHolidayData(9, 10, 2007, kPersonalEvent, "Dentist", "null", 0, 0);
  db.SaveHolidayData(0, 1, 2007, kReminder, "Pay rent", "null", 1, 0);
  db.SaveHolidayData(11, 5, 1990, kAnniversary, "Hanukkah", "rings.gif", 0, 1);
  db.SortAndCompact();
}

}  // namespace tessolar::support

namespace tessolar {

void PrintTo(const CalEntry& e, std::ostream* out) {
  *out << e.year << "-" << e.month + 1 << "-" << e.day << " type " << e.type << " '"
       << e.description << "' " << e.pictureFile << " slot " << e.index << " hidden "
       << int(e.hidden) << " showAge " << int(e.showAge);
}

}  // namespace tessolar
