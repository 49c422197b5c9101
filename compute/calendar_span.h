#pragma once
// The twelve months a calendar runs: from its start month of its year to the
// month before it in the next year (January to December when it starts in
// January). Each month is a month of its own year, and everything dated in
// it (computed days, weekday rules, ages) is reckoned in that year. Months
// are 0..11 as the store keeps them.

#include <string>

namespace tessolar {

inline constexpr int kMonthsPerYear = 12;

struct CalendarSpan {
  int year = 0;        // the year of the first month
  int startMonth = 0;  // 0..11

  bool CrossesYear() const { return startMonth != 0; }
  int LastYear() const { return CrossesYear() ? year + 1 : year; }
  // The year `month` (0..11) has in the span.
  int YearOf(int month) const { return month >= startMonth ? year : year + 1; }
  bool Contains(int year, int month) const { return YearOf(month) == year; }
  // The month at `position` (0 first .. 11 last) and the position of `month`.
  int MonthAt(int position) const { return (startMonth + position) % kMonthsPerYear; }
  int PositionOf(int month) const { return (month - startMonth + kMonthsPerYear) % kMonthsPerYear; }
};

// "2027", or "2027/28" for a span across two years ("1999/2000" across a century).
std::string SpanYears(const CalendarSpan& span);

}  // namespace tessolar
