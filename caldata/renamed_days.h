#pragma once
// Computed days that earlier builds stored under names since corrected.
// Calendar files carry their computed days, and the year build finds a
// computed day by its type and name: a day read under its old name would be
// shown twice and outlive its category being switched off.

#include "caldata/cal_entry.h"

namespace tessolar {

// Gives a computed day (a national, Jewish, Christian or astronomical day, or
// the one birthday a national list enters) stored under an old name the name
// it bears in a calendar of `calendarYear`. The user's own entries stay as
// they are.
void RenameOutdatedDay(CalEntry& entry, int calendarYear);

}  // namespace tessolar
