#pragma once

#include "caldata/cal_database.h"
#include "compute/notes.h"

namespace tessolar {

// Enters (remove false) or removes (remove true) the March and September
// equinoxes and the June and December solstices (type 5) for `year`, in the
// calendar's language. Removing deletes exactly what entering the same year,
// country and language made.
void GenerateSeasonDays(CCalDatabase& db, int year, bool remove, Notes* notes = nullptr);

}  // namespace tessolar
