#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <ctime>

#include "compute/date_arithmetic.h"
#include "compute/easter.h"
#include "compute/hebrew_calendar.h"
#include "compute/julian_date.h"
#include "generators/weekday_rule.h"
#include "support/hebrew_reference.h"

namespace tessolar {
namespace {

// Date functions checked against the C library's proleptic Gregorian calendar
// (timegm/gmtime on a 64-bit time_t) over every year the program works with.

constexpr int kFirstYear = 1700;
constexpr int kLastYear = 4200;

std::tm UtcOf(int year, int month0, int day) {
  std::tm tm{};
  tm.tm_year = year - 1900;
  tm.tm_mon = month0;
  tm.tm_mday = day;
  const time_t t = timegm(&tm);
  std::tm out{};
  gmtime_r(&t, &out);
  return out;
}

TEST(DateArithmetic, LengthsAndFirstWeekdaysMatchTheLibraryCalendar) {
  for (int y = kFirstYear; y <= kLastYear; ++y) {
    const int yearLength = UtcOf(y, 11, 31).tm_yday + 1;
    ASSERT_EQ(DaysInYear(y), yearLength) << y;
    ASSERT_EQ(IsLeapYear(y), yearLength == 366 ? 1 : 0) << y;
    for (int m = 0; m < 12; ++m) {
      // Day 0 of the next month is the last day of this one.
      ASSERT_EQ(DaysInMonth(m, y), UtcOf(y, m + 1, 0).tm_mday) << y << "-" << m;
      ASSERT_EQ(FirstWeekdayOfMonth(m, y), UtcOf(y, m, 1).tm_wday) << y << "-" << m;
    }
  }
}

TEST(DateArithmetic, JulianDayNumbersTurnIntoTheirCivilDates) {
  // Julian day 2440588 is 1 January 1970; walk every day of the range.
  const int64_t first = DaysFromCivil(kFirstYear, 0, 1);
  const int64_t last = DaysFromCivil(kLastYear, 11, 31);
  for (int64_t days = first; days <= last; ++days) {
    const time_t t = static_cast<time_t>(days) * 86400;
    std::tm tm{};
    gmtime_r(&t, &tm);
    const CivilDate d = JulianDayToDate(days + 2440588);
    ASSERT_EQ(d.year, tm.tm_year + 1900) << days;
    ASSERT_EQ(d.month, tm.tm_mon + 1) << days;
    ASSERT_EQ(d.day, tm.tm_mday) << days;
    ASSERT_EQ(WeekdayOfDays(days), tm.tm_wday) << days;
  }
}

// The n-th and last weekday of every month, found by walking the month's days.
TEST(DateArithmetic, WeekdayRulesMatchADirectWalkOfTheMonth) {
  for (int y = 1775; y <= kLastYear; ++y) {
    for (int m = 0; m < 12; ++m) {
      const int length = UtcOf(y, m + 1, 0).tm_mday;
      const int firstWeekday = UtcOf(y, m, 1).tm_wday;
      for (int wd = 0; wd < 7; ++wd) {
        int seen = 0;
        int last = 0;
        for (int d = 1; d <= length; ++d) {
          if ((firstWeekday + d - 1) % 7 != wd) continue;
          ++seen;
          last = d;
          if (seen <= 4) {
            ASSERT_EQ(WeekdayRuleDayOf("x", kWeekFirst + seen - 1, wd, m, y), d);
          }
        }
        ASSERT_EQ(WeekdayRuleDayOf("x", kWeekLast, wd, m, y), last) << y << "-" << m << " " << wd;
      }
    }
  }
}

// Julian dates against the worked examples of Meeus (chapter 7) and against
// the day counts of the date arithmetic, every day over eight centuries.

constexpr double kUnixEpochJulianDate = 2440587.5;

TEST(JulianDate, WorkedExamplesAndTheGregorianReform) {
  EXPECT_DOUBLE_EQ(CivilToJulianDate(2000, 0, 1, 12, 0, 0), 2451545.0);
  EXPECT_NEAR(CivilToJulianDate(1957, 9, 4, 19, 26, 24), 2436116.31, 1e-9);
  EXPECT_DOUBLE_EQ(CivilToJulianDate(333, 0, 27, 12, 0, 0), 1842713.0);
  // 4 October 1582 (Julian) was followed by 15 October (Gregorian).
  EXPECT_DOUBLE_EQ(CivilToJulianDate(1582, 9, 15, 0, 0, 0) - CivilToJulianDate(1582, 9, 4, 0, 0, 0),
                   1.0);
  const CalendarDate reform = JulianDateToCivil(2299160.5);
  EXPECT_EQ(reform.year, 1582);
  EXPECT_EQ(reform.month, 10);
  EXPECT_EQ(reform.day, 15);
  const CalendarDate before = JulianDateToCivil(2299159.5);
  EXPECT_EQ(before.day, 4);
}

TEST(JulianDate, EveryGregorianDayMatchesTheDayCountBothWays) {
  for (int y = 1583; y <= 2400; ++y) {
    for (int m = 0; m < 12; ++m) {
      for (int d = 1; d <= DaysInMonth(m, y); ++d) {
        const double midnight = CivilToJulianDate(y, m, d, 0, 0, 0);
        ASSERT_DOUBLE_EQ(midnight, DaysFromCivil(y, m, d) + kUnixEpochJulianDate)
            << y << "-" << m + 1 << "-" << d;
        // The first and the last second of the day belong to it.
        for (const double instant : {midnight, CivilToJulianDate(y, m, d, 23, 59, 59)}) {
          const CalendarDate back = JulianDateToCivil(instant);
          ASSERT_EQ(back.year, y);
          ASSERT_EQ(back.month, m + 1);
          ASSERT_EQ(back.day, d);
        }
      }
    }
  }
}

// Hebrew calendar checked day by day against the independent reckoning of
// "Calendrical Calculations" (compute/hebrew_reference.h).

namespace reference = hebrew_reference;

TEST(HebrewCalendar, EveryDayOfTheAcceptedYearsMatchesTheReference) {
  // Hebrew 5535 begins in 1774 and 7762 ends in 4002: every day of Gregorian 1775..4000.
  int64_t jd = reference::NewYearJulianDay(5535);
  for (int hy = 5535; hy <= 7762; ++hy) {
    ASSERT_EQ(IsHebrewLeapYear(hy), reference::IsLeap(hy)) << hy;
    const HebrewLayout layout = HebrewYearLayout(hy);
    ASSERT_EQ(layout.start, jd) << hy;
    for (int slot = 1; slot <= kHebrewMonthSlots; ++slot) {
      const int month = reference::kMonthOfSlot[slot];
      const int days = month == 13 && !reference::IsLeap(hy) ? 0 : reference::MonthDays(month, hy);
      ASSERT_EQ(layout.MonthLength(slot), days) << hy << " slot " << slot;
      for (int d = 1; d <= days; ++d, ++jd) {
        const HebrewDate expected{d, slot, hy};
        ASSERT_EQ(JulianDayToHebrew(jd), expected) << jd;
        const CivilDate g = JulianDayToDate(jd);
        ASSERT_EQ(HebrewDateOf(g.day, g.month - 1, g.year), expected) << jd;
      }
    }
    ASSERT_EQ(layout.next, jd) << hy;
  }
}

TEST(HebrewCalendar, NewYearMatchesTheReferenceFarFromToday) {
  // 75795 and the three after it are the first years whose molad of Tishri
  // falls exactly at noon, which postpones the new year.
  for (int hy : {1, 2, 1000, 75795, 82082, 88369, 94656, 999999, 1000000}) {
    EXPECT_EQ(HebrewNewYearDay(hy), reference::NewYearJulianDay(hy)) << hy;
  }
  for (int64_t hy = -5000; hy <= 0; ++hy) {
    ASSERT_EQ(HebrewNewYearDay(hy), reference::NewYearJulianDay(hy)) << hy;
  }
}

TEST(HebrewCalendar, DatesOutsideTheCoveredYearsGiveNoDate) {
  const int64_t first = HebrewNewYearDay(kFirstHebrewYear);
  const int64_t end = HebrewNewYearDay(int64_t{kLastHebrewYear} + 1);
  EXPECT_EQ(JulianDayToHebrew(first), (HebrewDate{1, 1, 1}));
  EXPECT_EQ(JulianDayToHebrew(end - 1), (HebrewDate{29, 13, kLastHebrewYear}));
  for (int64_t jd : {first - 1, end, INT64_MIN, INT64_MAX}) {
    EXPECT_FALSE(JulianDayToHebrew(jd).IsValid()) << jd;
  }
  for (int year : {INT_MIN, -3761, 1000000, INT_MAX}) EXPECT_FALSE(HebrewDateOf(1, 0, year).IsValid());
  for (const auto& [day, month] : {std::pair(0, 0), std::pair(32, 0), std::pair(1, 12), std::pair(1, -1)}) {
    EXPECT_FALSE(HebrewDateOf(day, month, 2007).IsValid()) << day << " " << month;
  }
  EXPECT_EQ(HebrewMonthName(5), "Sh'vat");
  for (int slot : {0, 14, -1, INT_MIN}) EXPECT_EQ(HebrewMonthName(slot), "unknown hmonth");
  for (int64_t hy : {int64_t{INT_MIN}, int64_t{INT_MAX}}) {  // no overflow at the ends of int
    const int64_t length = HebrewYearLayout(hy).next - HebrewYearLayout(hy).start;
    EXPECT_TRUE(length >= 353 && length <= 385) << hy;
  }
}

// Easter checked against the algorithms in Jean Meeus, "Astronomical
// Algorithms" (2nd ed., 1998), chapter 8: the Gregorian one after Jones and
// Butcher, and the Julian one. Dates as month * 100 + day, month 1..12.

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
