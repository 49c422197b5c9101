#pragma once
// Whole-store views and the fixture of tests that fill a store.

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "caldata/cal_database.h"
#include "compute/language_table.h"

namespace tessolar::support {

// Every entry slot of the store in order (the slots below Count()).
std::vector<CalEntry> Snapshot(const CCalDatabase& db);

// The entries with this type and description, in store order.
std::vector<CalEntry> EntriesNamed(const CCalDatabase& db, uint32_t type,
                                   const std::string& description);

// The fixture of tests that fill a store.
class CalendarTest : public ::testing::Test {
 protected:
  CCalDatabase db_;
};

// Six of the user's own entries on distinct days, sorted; two are named like
// computed days and must outlive every build and removal.
void AddUserEntries(CCalDatabase& db);

// Days since 1 January 1970 of an entry's date.
long EntryDays(const CalEntry& entry);

}  // namespace tessolar::support

namespace tessolar {
// Readable failure messages for entries.
void PrintTo(const CalEntry& entry, std::ostream* out);
}  // namespace tessolar
