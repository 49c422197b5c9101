#pragma once
// Where a calendar's weeks start: Sunday or Monday, and the day each
// country's printed calendars start on.

namespace tessolar {

inline constexpr int kSundayFirst = 0;
inline constexpr int kMondayFirst = 1;

// The usual first day of the week of `country` (CLDR's week data): Sunday in
// the United States, Canada and Mexico, Monday in the other countries.
int UsualFirstWeekday(int country);

// Whether `country`'s planners number their weeks (ISO 8601): Germany,
// Austria, the Netherlands, Belgium, France, Italy and Spain.
bool UsualWeekNumbers(int country);

// The grid column (0..6) of `weekday` (0 = Sunday) in weeks that start on
// `firstWeekday`, and the weekday of `column`.
inline int ColumnOfWeekday(int weekday, int firstWeekday) {
  return (weekday - firstWeekday + 7) % 7;
}
inline int WeekdayOfColumn(int column, int firstWeekday) { return (column + firstWeekday) % 7; }

}  // namespace tessolar
