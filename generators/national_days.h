#pragma once

#include "caldata/cal_database.h"
#include "compute/notes.h"

namespace tessolar {

// Enters (remove false) or removes (remove true) the national holidays and
// observances of the calendar's country and region for `year`, in its
// language, with the days off the law gives in place of holidays on a
// weekend and the clock changes of the region's time zone. Removing deletes
// exactly what entering the same year, country, region and language made. Years before the weekday
// rules are noted in `notes` when given.
void GenerateNationalDays(CCalDatabase& db, int year, bool remove, Notes* notes = nullptr);

}  // namespace tessolar
