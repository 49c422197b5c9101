#include "generators/days_off.h"

#include "generators/holiday_rules.h"

namespace tessolar {

std::set<std::pair<int, int>> DaysOffOf(const CCalDatabase& db) {
  std::set<std::pair<int, int>> days;
  const CalendarSpan span = db.Span();
  const auto mark = [&db, &days, span](const std::vector<HolidayDay>& family, int year) {
    for (const HolidayDay& d : family) {
      if (!d.off || !span.Contains(year, d.month)) continue;
      for (const CalEntry& e : db.GetEntriesOfDay(d.month, d.day)) {
        if (e.type == d.type && e.description == d.name) days.insert({d.month, d.day});
      }
    }
  };
  for (int year = span.year; year <= span.LastYear(); ++year) {
    if (db.National()) mark(NationalDaysOf(db.Country(), db.Region(), db.Language(), year), year);
    if (db.Christian()) mark(EasterDaysOf(db.Country(), db.Region(), db.Language(), year), year);
  }
  return days;
}

}  // namespace tessolar
