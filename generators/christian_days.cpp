#include "generators/christian_days.h"

#include "generators/holiday_rules.h"
#include "generators/stored_year.h"

namespace tessolar {

void GenerateChristianDays(CCalDatabase& db, int year, bool remove) {
  if (!IsStoredYear(year)) return;
  for (const HolidayDay& day : EasterDaysOf(db.Country(), db.Region(), db.Language(), year)) {
    EnterOrRemove(db, remove, day);
  }
}

}  // namespace tessolar
