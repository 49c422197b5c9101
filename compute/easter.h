#pragma once
// Easter Sunday by the Western rule: the Gregorian computus for years after
// 1752, the Julian computus for 1752 and earlier (the year the calendar
// changed in Britain and its colonies). A Julian result is a date of the
// Julian calendar and is not converted.

namespace tessolar {

// The last year reckoned by the Julian calendar.
inline constexpr int kLastJulianEasterYear = 1752;

struct EasterDate {
  int month;  // 2 (March) or 3 (April), 0-based
  int day;    // 22..31 in March, 1..25 in April
};

// Easter Sunday of `year`. Meaningful from year 1; any int year gives a date
// between 22 March and 25 April.
EasterDate EasterSunday(int year);

// Days of February in `year` as Easter reckons it: Julian leap years up to
// kLastJulianEasterYear, Gregorian ones after.
int EasterFebruaryDays(int year);

// Day of the year (1 January = 1) of Easter Sunday, 81..116.
int EasterDayOfYear(int year);

}  // namespace tessolar
