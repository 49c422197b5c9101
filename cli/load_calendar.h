#pragma once
// Reading the calendar file a command names.

#include <cstdint>
#include <string>

#include "caldata/cal_database.h"
#include "caldata/calendar_file.h"

namespace tessolar::cli {

// Reads `file` into `db` and returns what it held, for a save back to it;
// throws a bad-input CommandError that says why when it cannot be read.
SavedState LoadCalendarOrThrow(CCalDatabase& db, const std::string& file);

// Throws a bad-input CommandError when reading `file` left entries out
// (`leftOut`, CCalDatabase::EntriesLeftOut); the commands call it once their
// output is written, so that a calendar cut short is said and ends in status 2.
void ThrowIfEntriesLeftOut(uint32_t leftOut, const std::string& file);

}  // namespace tessolar::cli
