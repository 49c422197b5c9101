#pragma once
// Helpers of the generator tests: a store holding a few user entries, and a
// copy of every slot of a store to compare before and after.

#include <cstdint>
#include <ostream>
#include <vector>

#include "caldata/cal_database.h"

namespace tessolar {

// Readable entries in failure messages.
inline void PrintTo(const CalEntry& e, std::ostream* os) {
  *os << "{" << int{e.month} + 1 << "/" << int{e.day} << "/" << e.year << " type " << e.type
      << " '" << e.description << "' '" << e.pictureFile << "' slot " << e.index
      << " age " << int{e.showAge} << " hidden " << int{e.hidden} << "}";
}

namespace testing_store {

// Every used slot, all fields.
inline std::vector<CalEntry> Slots(const CCalDatabase& db) {
  std::vector<CalEntry> slots;
  for (uint32_t i = 0; i < db.Count(); ++i) slots.push_back(*db.EntryAt(i));
  return slots;
}

// User entries on distinct days (so that sorting has no ties among them),
// some on days where computed days fall and some named like them.
inline void AddUserEntries(CCalDatabase& db, int year) {
  db.SetClipartDirectory("/clipart/");
  db.SaveHolidayData(0, 1, year, kBirthday, "Ada", "ada.jpg", 0, 1);
  db.SaveHolidayData(3, 8, year, kPersonalEvent, "Passover", "seder.jpg", 0, 0);
  db.SaveHolidayData(8, 13, year, kAnniversary, "Easter Sunday", "null", 1, 0);
  db.SaveHolidayData(11, 5, year, kHebrewHoliday, "Hanukkah party", "null", 0, 0);
  db.SortAndCompact();
}

}  // namespace testing_store
}  // namespace tessolar
