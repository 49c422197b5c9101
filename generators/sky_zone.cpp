#include "generators/sky_zone.h"

#include <cmath>
#include <vector>

#include "caldata/regions.h"
#include "compute/julian_date.h"
#include "compute/zone_dates.h"

namespace tessolar {
namespace {

constexpr int kLastJulianYear = 1582;

}  // namespace

CivilDate SkyDate(const CCalDatabase& db, double julianDate) {
  const CalendarDate ut = JulianDateToCivil(julianDate);
  // Before the Gregorian reform the days stay as they were, in Universal Time
  // and in the Julian calendar.
  if (ut.year > kLastJulianYear) {
    if (const auto local = DateInZone(julianDate, ZoneOf(db.Country(), db.Region()))) return *local;
  }
  return {ut.year, ut.month, ut.day};
}

bool RemoveSkyDays(CCalDatabase& db, int year, const std::string& name) {
  std::vector<CalEntry> found;
  for (uint32_t i = 0; i < db.Count(); ++i) {
    const CalEntry* e = db.EntryAt(i);
    if (e->type == kAstronomicalDay && e->description == name && (year == 0 || e->year == year)) {
      found.push_back(*e);
    }
  }
  for (const CalEntry& e : found) {
    db.RemoveHolidayData(e.month, e.day, e.year, e.type, e.description, e.pictureFile);
  }
  return !found.empty();
}

}  // namespace tessolar
