#pragma once

#include "caldata/cal_database.h"

namespace tessolar {

// Enters (remove 0) or removes (remove 1) the Jewish holidays of the Hebrew years that the Gregorian year spans (type 3)
// for `year`, in the current language. Removing deletes exactly what entering
// the same year, country and language made. Returns 0.
int GenerateJewishDays(CCalDatabase& db, int year, int remove);

}  // namespace tessolar
