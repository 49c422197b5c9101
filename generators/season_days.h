#pragma once

#include "caldata/cal_database.h"
#include "compute/notes.h"

namespace tessolar {

// Enters (remove 0) or removes (remove 1) the March and September equinoxes and the June and December solstices (type 5)
// for `year`, in the calendar's language. Removing deletes exactly what entering
// the same year, country and language made. Returns 0.
int GenerateSeasonDays(CCalDatabase& db, int year, int remove, Notes* notes = nullptr);

}  // namespace tessolar
