#include "generators/national_days.h"

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "caldata/regions.h"
#include "compute/date_arithmetic.h"
#include "compute/daylight_saving.h"
#include "compute/language_table.h"
#include "generators/holiday_rules.h"

namespace tessolar {
namespace {

constexpr const char* kClock = "daylight_savings1.gif";

// Clock changes a calendar's file carries for `year` that its zone does not
// have: files written before the days came from the tz database hold them
// on dates of a rule of thumb, and the build would leave them standing.
void RemoveOtherClockChanges(CCalDatabase& db, int year, const std::vector<ClockChange>& changes) {
  const std::string names[] = {LanguageString(db.Language(), lang::kDaylightSavingTimeBegins),
                               LanguageString(db.Language(), lang::kDaylightSavingTimeEnds)};
  std::vector<CalEntry> stale;
  for (uint32_t slot = 0; slot < db.Count(); ++slot) {
    const CalEntry& e = *db.EntryAt(slot);
    if (e.type != kNationalHoliday || e.year != year) continue;
    const int which = e.description == names[0] ? 0 : e.description == names[1] ? 1 : -1;
    if (which < 0) continue;
    const bool computed = std::any_of(changes.begin(), changes.end(), [&](const ClockChange& c) {
      return c.month == e.month && c.day == e.day && c.forward == (which == 0);
    });
    if (!computed) stale.push_back(e);
  }
  for (const CalEntry& e : stale) {
    db.RemoveHolidayData(e.month, e.day, e.year, e.type, e.description, e.pictureFile);
  }
}

}  // namespace

void GenerateNationalDays(CCalDatabase& db, int year, bool remove, Notes* notes) {
  const int country = db.Country();
  if (country < 0 || country >= kCountryCount) return;
  if (!remove && year < kFirstRuleYear) {
    Note(notes, "National days on a weekday rule are computed from " +
                    std::to_string(kFirstRuleYear) + " on; " + std::to_string(year) +
                    " has only those on a fixed date.");
  }
  for (const HolidayDay& day : NationalDaysOf(country, db.Region(), db.Language(), year)) {
    EnterOrRemove(db, remove, day);
  }
  const std::string zone = ZoneOf(country, db.Region());
  const std::optional<std::vector<ClockChange>> changes = ClockChangesOf(zone, year);
  if (!changes) {
    if (!remove) {
      Note(notes, "The system's time zone database has no zone " + zone +
                      ": the days the clocks change are left out.");
    }
    return;
  }
  if (!remove) RemoveOtherClockChanges(db, year, *changes);
  for (const ClockChange& change : *changes) {
    const int entry =
        change.forward ? lang::kDaylightSavingTimeBegins : lang::kDaylightSavingTimeEnds;
    EnterOrRemove(db, remove,
                  {change.month, change.day, year, kNationalHoliday,
                   LanguageString(db.Language(), entry), kClock, false, false});
  }
}

}  // namespace tessolar
