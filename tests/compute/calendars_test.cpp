#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <tuple>

#include "compute/date_arithmetic.h"
#include "compute/easter.h"
#include "compute/hebrew_calendar.h"
#include "support/civil_reference.h"
#include "support/hebrew_reference.h"

namespace tessolar {
namespace {

// Date functions checked against the C library's proleptic Gregorian calendar
// (timegm/gmtime on a 64-bit time_t) over every year the program works with.

constexpr int kFirstYear = 1700;
constexpr int kLastYear = 4200;

using support::LibraryMonthLength;

TEST(DateArithmetic, LengthsAndFirstWeekdaysMatchTheLibraryCalendar) {
  for (int y = kFirstYear; y <= kLastYear; ++y) {
    ASSERT_EQ(IsLeapYear(y), LibraryMonthLength(y, 1) - 28) << y;
    ASSERT_EQ(DaysInYear(y), 337 + LibraryMonthLength(y, 1)) << y;
    for (int m = 0; m < 12; ++m) {
      ASSERT_EQ(DaysInMonth(m, y), LibraryMonthLength(y, m)) << y << "-" << m;
      ASSERT_EQ(FirstWeekdayOfMonth(m, y), support::LibraryWeekday(y, m, 1)) << y << "-" << m;
    }
  }
}

// The n-th and last weekday of every month, found by walking the month's days.
TEST(DateArithmetic, WeekdayRulesMatchADirectWalkOfTheMonth) {
  for (int y = 1775; y <= kLastYear; ++y) {
    for (int m = 0; m < 12; ++m) {
      for (int wd = 0; wd < 7; ++wd) {
        for (int code = kWeekFirst; code <= kWeekLast; ++code) {
          ASSERT_EQ(WeekdayRuleDayOf("x", code, wd, m, y),
                    support::CountedWeekday(y, m, wd, code - kWeekFirst + 1))
              << y << "-" << m << " " << wd << " " << code;
        }
      }
    }
  }
}

// Hebrew calendar checked day by day against the independent reckoning of
// "Calendrical Calculations" (support/hebrew_reference.h).

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

TEST(HebrewCalendar, DatesOutsideTheCoveredYearsOrMonthsGiveNoDateAndNoOverflow) {
  const int64_t end = HebrewNewYearDay(int64_t{kLastHebrewYear} + 1);
  EXPECT_EQ(JulianDayToHebrew(end - 1), (HebrewDate{29, 13, kLastHebrewYear}));
  for (int64_t jd : {HebrewNewYearDay(kFirstHebrewYear) - 1, end, INT64_MIN, INT64_MAX}) {
    EXPECT_FALSE(JulianDayToHebrew(jd).IsValid()) << jd;
  }
  for (const auto& [day, month, year] :
       {std::tuple(1, 0, INT_MIN), std::tuple(1, 0, 1000000), std::tuple(0, 0, 2007),
        std::tuple(32, 0, 2007), std::tuple(1, 12, 2007), std::tuple(1, -1, 2007)}) {
    EXPECT_FALSE(HebrewDateOf(day, month, year).IsValid()) << day << " " << month << " " << year;
  }
  for (int slot : {0, 14, INT_MIN}) EXPECT_EQ(HebrewMonthName(slot), "unknown hmonth");
  for (int64_t hy : {int64_t{INT_MIN}, int64_t{INT_MAX}}) {
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
  for (long y = 200000; y <= INT_MAX - 1000; y += 999983)
    ASSERT_EQ(Easter(y), MeeusGregorian(y)) << y;
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
