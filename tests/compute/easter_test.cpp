// Easter checked against the algorithms in Jean Meeus, "Astronomical
// Algorithms" (2nd ed., 1998), chapter 8: the Gregorian one after Jones and
// Butcher, and the Julian one.

#include <gtest/gtest.h>

#include <climits>

#include "compute/easter.h"

namespace tessolar {
namespace {

EasterDate MeeusGregorian(long y) {
  const long a = y % 19, b = y / 100, c = y % 100, d = b / 4, e = b % 4;
  const long f = (b + 8) / 25, g = (b - f + 1) / 3;
  const long h = (19 * a + b - d - g + 15) % 30;
  const long i = c / 4, k = c % 4;
  const long l = (32 + 2 * e + 2 * i - h - k) % 7;
  const long m = (a + 11 * h + 22 * l) / 451;
  const long n = h + l - 7 * m + 114;
  return {static_cast<int>(n / 31 - 1), static_cast<int>(n % 31 + 1)};
}

EasterDate MeeusJulian(long y) {
  const long a = y % 4, b = y % 7, c = y % 19;
  const long d = (19 * c + 15) % 30;
  const long e = (2 * a + 4 * b - d + 34) % 7;
  const long n = d + e + 114;
  return {static_cast<int>(n / 31 - 1), static_cast<int>(n % 31 + 1)};
}

::testing::AssertionResult SameDate(const EasterDate& got, const EasterDate& want, long year) {
  if (got.month == want.month && got.day == want.day) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << year << ": got " << got.month + 1 << "/" << got.day
                                       << ", want " << want.month + 1 << "/" << want.day;
}

TEST(Easter, KnownDates) {
  struct Known {
    int year, month, day;
  };
  const Known known[] = {{2007, 3, 8},  {2008, 2, 23}, {2013, 2, 31}, {2024, 2, 31},
                         {1818, 2, 22}, {2285, 2, 22}, {2038, 3, 25}};
  for (const Known& k : known) {
    EXPECT_TRUE(SameDate(EasterSunday(k.year), {k.month, k.day}, k.year));
  }
  EXPECT_EQ(EasterDayOfYear(2007), 98);
  EXPECT_EQ(EasterDayOfYear(2008), 83);
}

TEST(Easter, GregorianYearsMatchMeeus) {
  for (long y = kLastJulianEasterYear + 1; y <= 200000; ++y) {
    ASSERT_TRUE(SameDate(EasterSunday(static_cast<int>(y)), MeeusGregorian(y), y));
  }
  for (long y = 200000; y <= INT_MAX - 1000; y += 999983) {
    ASSERT_TRUE(SameDate(EasterSunday(static_cast<int>(y)), MeeusGregorian(y), y));
  }
}

TEST(Easter, JulianYearsMatchMeeus) {
  for (long y = 1; y <= kLastJulianEasterYear; ++y) {
    ASSERT_TRUE(SameDate(EasterSunday(static_cast<int>(y)), MeeusJulian(y), y));
  }
}

TEST(Easter, FebruaryFollowsTheCalendarOfTheComputus) {
  EXPECT_EQ(EasterFebruaryDays(1700), 29);  // Julian
  EXPECT_EQ(EasterFebruaryDays(1752), 29);
  EXPECT_EQ(EasterFebruaryDays(1800), 28);
  EXPECT_EQ(EasterFebruaryDays(2000), 29);
  EXPECT_EQ(EasterFebruaryDays(2007), 28);
}

TEST(Easter, AnyYearGivesADateWithinTheEasterLimits) {
  for (int y : {INT_MIN, INT_MIN + 1, -100000, -1, 0, INT_MAX - 1, INT_MAX}) {
    const EasterDate e = EasterSunday(y);
    const bool inMarch = e.month == 2 && e.day >= 22 && e.day <= 31;
    const bool inApril = e.month == 3 && e.day >= 1 && e.day <= 25;
    EXPECT_TRUE(inMarch || inApril) << y;
    EXPECT_GE(EasterDayOfYear(y), 81) << y;
    EXPECT_LE(EasterDayOfYear(y), 116) << y;
  }
}

}  // namespace
}  // namespace tessolar
