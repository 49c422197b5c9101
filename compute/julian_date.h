#pragma once
// Instants as Julian dates (days since noon of 1 January 4713 BC, Julian
// calendar, with the fraction of the day) and their calendar dates.

namespace tessolar {

struct CalendarDate {
  int year;
  int month;  // 1..12
  int day;    // 1..31
};

// The Julian date of year `year`, month `month` (0-based), day `day` at
// hour:minute:second Universal Time. Dates before 5 October 1582 are taken in
// the Julian calendar, later ones in the Gregorian calendar.
// Valid for every date from 4713 BC on; exact up to the rounding of a double
// (well under a millisecond for the years the program builds).
// J. Meeus, Astronomical Algorithms, 2nd ed., chapter 7.
double CivilToJulianDate(int year, int month, int day, int hour, int minute, int second);

// The calendar date (Julian calendar before the Gregorian reform of 1582,
// Gregorian after it) of the Universal Time day in which the instant
// `julianDate` falls. Valid for julianDate >= 0; exact.
// J. Meeus, Astronomical Algorithms, 2nd ed., chapter 7.
CalendarDate JulianDateToCivil(double julianDate);

}  // namespace tessolar
