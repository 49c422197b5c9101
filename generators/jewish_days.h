#pragma once

#include "caldata/cal_database.h"

namespace tessolar {

// Enters (remove false) or removes (remove true) the Jewish days that fall in
// the Gregorian `year` (type 3), as the Diaspora keeps them: the holidays with
// their second days, the fasts (moved off the Sabbath as the rules require),
// Hanukkah's first candle, and Yom HaShoah, Yom HaZikaron and Yom HaAtzmaut
// moved as Israel's law moves them. Rosh Hashanah, Yom Kippur, Passover (its
// eve, 14 Nisan), Yom Hashoah and Hanukkah (25 Kislev) have one English name
// in every language, the others their names in the calendar's. Removing
// deletes exactly what entering made. Years outside
// kFirstStoredYear..kLastStoredYear are left alone.
void GenerateJewishDays(CCalDatabase& db, int year, bool remove);

}  // namespace tessolar
