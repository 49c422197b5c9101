#pragma once

#include "caldata/cal_database.h"

namespace tessolar {

// Enters (remove false) or removes (remove true) the Jewish holidays that fall in
// the Gregorian `year` (type 3, English names in every language): Rosh
// Hashana, Yom Kippur, Passover (14 Nisan), Yom Hashoah and Hanukkah, each on
// every day of the year on which its Hebrew date falls. Removing deletes
// exactly what entering made. Years outside kFirstStoredYear..kLastStoredYear
// are left alone.
void GenerateJewishDays(CCalDatabase& db, int year, bool remove);

}  // namespace tessolar
