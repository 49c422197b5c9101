// Date functions checked against the C library's proleptic Gregorian calendar
// (timegm/gmtime on a 64-bit time_t) over every year the program works with.

#include <gtest/gtest.h>

#include <ctime>

#include "compute/date_arithmetic.h"
#include "generators/weekday_rule.h"

namespace tessolar {
namespace {

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
  EXPECT_EQ(DaysInMonth(12, 2007), 31);
  EXPECT_EQ(DaysInMonth(-1, 2007), 31);
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

TEST(DateArithmetic, NamedAdjustmentsAndYearsBeforeTheRuleRange) {
  EXPECT_EQ(WeekdayRuleDayOf("US Election Day", kWeekFirst, 1, 10, 2008), 4);
  EXPECT_EQ(WeekdayRuleDayOf("US Election Day", kWeekFirst, 1, 10, 2007), -1);
  EXPECT_EQ(WeekdayRuleDayOf(kWeekThird, 2, 10, 2007, RuleShift::kNextDay), 21);
  EXPECT_EQ(LastMondayOfMayBefore(25, 2007), 21);
  EXPECT_EQ(LastMondayOfMayBefore(25, 2006), 22);
  testing::internal::CaptureStdout();
  EXPECT_EQ(LastMondayOfMayBefore(25, 1600), -1);
  EXPECT_EQ(WeekdayRuleDayOf("x", kWeekFirst, 1, 0, 1774), -1);
  EXPECT_EQ(WeekdayRuleDayOf("x", kWeekFirst, 1, 0, -5), -1);
  const std::string out = testing::internal::GetCapturedStdout();
  EXPECT_NE(out.find("This program only supports years after 1775\n"), std::string::npos);
}

}  // namespace
}  // namespace tessolar
