#pragma once
// The proleptic Gregorian calendar of the C library (timegm and gmtime on a
// 64-bit time_t), for checking dates against a reckoning of their own.

namespace tessolar::support {

// Weekday (0 Sunday) of a date; month 0-based.
int LibraryWeekday(int year, int month0, int day);

// The ISO 8601 week of a date as strftime's %V gives it; month 0-based, and a
// day outside the month counts on into the months beside it.
int LibraryIsoWeek(int year, int month0, int day);

// Days of a month; month 0-based.
int LibraryMonthLength(int year, int month0);

// The day of the n-th (1..4) or last (5) `weekday` of a month, counted day by day.
int CountedWeekday(int year, int month0, int weekday, int nth);

}  // namespace tessolar::support
