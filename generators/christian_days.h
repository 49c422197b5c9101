#pragma once

#include "caldata/cal_database.h"

namespace tessolar {

// Enters (remove false) or removes (remove true) Easter and the movable Christian
// feasts that hang on it (type 4) for `year`, named in the calendar's
// language: the six common ones, or those the country's list gives where the
// calendar is. Removing deletes exactly what entering the same year, country,
// region and language made. Years outside kFirstStoredYear..kLastStoredYear
// are left alone.
void GenerateChristianDays(CCalDatabase& db, int year, bool remove);

}  // namespace tessolar
