#include "generators/christian_days.h"

#include "generators/holiday_rules.h"
#include "generators/stored_year.h"

namespace tessolar {

void GenerateChristianDays(CCalDatabase& db, int year, bool remove) {
  if (!IsStoredYear(year)) return;
  for (const HolidayDay& day : EasterDaysOf(db.Country(), db.Region(), db.Language(), year)) {
    if (remove) {
      db.RemoveHolidayData(day.month, day.day, day.storedYear, day.type, day.name, day.picture);
    } else {
      db.ReplaceHolidayData(day.month, day.day, day.storedYear, day.type, day.name, day.picture);
    }
  }
}

}  // namespace tessolar
