#include "generators/days_off.h"

#include "generators/holiday_rules.h"

namespace tessolar {

std::set<std::pair<int, int>> DaysOffOf(const CCalDatabase& db) {
  std::set<std::pair<int, int>> days;
  const auto mark = [&db, &days](const std::vector<HolidayDay>& family) {
    for (const HolidayDay& d : family) {
      if (!d.off) continue;
      for (const CalEntry& e : db.GetEntriesOfDay(d.month, d.day)) {
        if (e.type == d.type && e.description == d.name) days.insert({d.month, d.day});
      }
    }
  };
  if (db.National()) {
    mark(NationalDaysOf(db.Country(), db.Region(), db.Language(), db.Year()));
  }
  if (db.Christian()) mark(EasterDaysOf(db.Country(), db.Region(), db.Language(), db.Year()));
  return days;
}

}  // namespace tessolar
