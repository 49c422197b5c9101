#include "generators/christian_days.h"

#include "generators/holiday_rules.h"
#include "generators/stored_year.h"

namespace tessolar {

int GenerateChristianDays(CCalDatabase& db, int year, int remove) {
  if (!IsStoredYear(year)) return 0;
  for (const HolidayDay& day : EasterDaysOf(db.Country(), db.Region(), db.Language(), year)) {
    if (remove) {
      db.RemoveHolidayData(day.month, day.day, day.storedYear, day.type, day.name, day.picture);
    } else {
      db.ReplaceHolidayData(day.month, day.day, day.storedYear, day.type, day.name, day.picture);
    }
  }
  return 0;
}

}  // namespace tessolar
