// Easter checked against the algorithms in Jean Meeus, "Astronomical
// Algorithms" (2nd ed., 1998), chapter 8: the Gregorian one after Jones and
// Butcher, and the Julian one. Dates as month * 100 + day, month 1..12.

#include <gtest/gtest.h>

#include <climits>

#include "compute/easter.h"

namespace tessolar {
namespace {

long MeeusGregorian(long y) {
  const long a = y % 19, b = y / 100, c = y % 100, d = b / 4, e = b % 4;
  const long g = (b - (b + 8) / 25 + 1) / 3;
  const long h = (19 * a + b - d - g + 15) % 30;
  const long l = (32 + 2 * e + 2 * (c / 4) - h - c % 4) % 7;
  const long n = h + l - 7 * ((a + 11 * h + 22 * l) / 451) + 114;
  return n / 31 * 100 + n % 31 + 1;
}

long MeeusJulian(long y) {
  const long d = (19 * (y % 19) + 15) % 30;
  const long n = d + (2 * (y % 4) + 4 * (y % 7) - d + 34) % 7 + 114;
  return n / 31 * 100 + n % 31 + 1;
}

long Easter(long y) {
  const EasterDate e = EasterSunday(static_cast<int>(y));
  return (e.month + 1) * 100 + e.day;
}

// The sweep below compares dates only; the day of the year is counted here.
TEST(Easter, DayOfYear) {
  EXPECT_EQ(EasterDayOfYear(2007), 98);   // 8 April
  EXPECT_EQ(EasterDayOfYear(2008), 83);   // 23 March of a leap year
  EXPECT_EQ(EasterDayOfYear(2038), 115);  // 25 April, the latest
}

TEST(Easter, EveryYearMatchesMeeus) {
  for (long y = 1; y <= kLastJulianEasterYear; ++y) ASSERT_EQ(Easter(y), MeeusJulian(y)) << y;
  for (long y = kLastJulianEasterYear + 1; y <= 200000; ++y) {
    ASSERT_EQ(Easter(y), MeeusGregorian(y)) << y;
  }
  for (long y = 200000; y <= INT_MAX - 1000; y += 999983) ASSERT_EQ(Easter(y), MeeusGregorian(y)) << y;
}

TEST(Easter, AnyYearGivesADateWithinTheEasterLimits) {
  for (int y : {INT_MIN, INT_MIN + 1, -100000, -1, 0, INT_MAX}) {
    const long e = Easter(y);
    EXPECT_TRUE((e >= 322 && e <= 331) || (e >= 401 && e <= 425)) << y;
    EXPECT_TRUE(EasterDayOfYear(y) >= 81 && EasterDayOfYear(y) <= 116) << y;
  }
}

}  // namespace
}  // namespace tessolar
