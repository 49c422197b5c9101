#pragma once

#include "caldata/cal_database.h"

namespace tessolar {

// Enters (remove 0) or removes (remove 1) the national holidays and
// daylight-saving days of the calendar's country for `year`, in its language.
// Removing deletes exactly what entering the same year, country and language
// made. Returns 0.
int GenerateNationalDays(CCalDatabase& db, int year, int remove);

}  // namespace tessolar
