#pragma once

#include "caldata/cal_database.h"
#include "compute/notes.h"

namespace tessolar {

// Enters (remove 0) or removes (remove 1) the national holidays and
// daylight-saving days of the calendar's country for `year`, in its language.
// Removing deletes exactly what entering the same year, country and language
// made. Years before the weekday rules are noted in `notes` when given.
// Returns 0.
int GenerateNationalDays(CCalDatabase& db, int year, int remove, Notes* notes = nullptr);

}  // namespace tessolar
