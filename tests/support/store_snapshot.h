#pragma once
// Whole-store views for the generator tests.

#include <ostream>
#include <string>
#include <vector>

#include "caldata/cal_database.h"

namespace tessolar::support {

// Every entry slot of the store in order (the slots below Count()).
std::vector<CalEntry> Snapshot(const CCalDatabase& db);

// The entries with this type and description, in store order.
std::vector<CalEntry> EntriesNamed(const CCalDatabase& db, uint32_t type,
                                   const std::string& description);

// Days since 1 January 1970 of an entry's date.
long EntryDays(const CalEntry& entry);

}  // namespace tessolar::support

namespace tessolar {
// Readable failure messages for entries.
void PrintTo(const CalEntry& entry, std::ostream* out);
}  // namespace tessolar
