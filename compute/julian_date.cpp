#include "compute/julian_date.h"

#include <cmath>

namespace tessolar {
namespace {

// The first day of the Gregorian calendar: the day after 4 October 1582 (Julian).
bool BeforeGregorianReform(int year, int month, int day) {
  if (year != 1582) return year < 1582;
  return month < 9 || (month == 9 && day < 5);
}

constexpr double kFirstGregorianDayNumber = 2299161;

}  // namespace

double CivilToJulianDate(int year, int month, int day, int hour, int minute, int second) {
  int m = month + 1;  // [1, 12]
  int y = year;
  // January and February count as months 13 and 14 of the year before.
  if (m < 3) {
    y -= 1;
    m += 12;
  }
  int b = 0;
  if (!BeforeGregorianReform(year, month, day)) {
    const int a = y / 100;
    b = 2 - a + a / 4;
  }
  const double dayNumber =
      std::trunc(30.6001 * (m + 1)) + std::trunc(365.25 * (y + 4716)) + day + b - 1524.5;
  return dayNumber + (3600.0 * hour + 60.0 * minute + second) / 86400.0;
}

CalendarDate JulianDateToCivil(double julianDate) {
  const double t = julianDate + 0.5;
  const double z = std::floor(t);
  const double f = t - z;  // [0, 1)
  double a = z;
  if (z >= kFirstGregorianDayNumber) {
    const double alpha = std::floor((z - 1867216.25) / 36524.25);
    a = z + 1 + alpha - std::floor(alpha / 4);
  }
  const double b = a + 1524;
  const double c = std::floor((b - 122.1) / 365.25);
  const double d = std::floor(365.25 * c);
  const double e = std::floor((b - d) / 30.6001);
  const int day = static_cast<int>(std::trunc(b - d - std::floor(30.6001 * e) + f));
  const int month = static_cast<int>(e < 14 ? e - 1 : e - 13);  // [1, 12]
  const int year = static_cast<int>(month > 2 ? c - 4716 : c - 4715);
  return {year, month, day};
}

}  // namespace tessolar
