// Date functions checked against the C library's proleptic Gregorian calendar
// (timegm/gmtime on a 64-bit time_t) over every year the program works with.

#include <gtest/gtest.h>

#include <ctime>

#include "caldata/cal_database.h"
#include "compute/date_arithmetic.h"
#include "compute/generators/weekday_rule.h"

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
  EXPECT_EQ(WeekdayRuleDayOf("Tag des Gebets und des Repentance", kWeekThird, 2, 10, 2007), 21);
  EXPECT_EQ(LastMondayOfMayBefore(25, 2007), 21);
  EXPECT_EQ(LastMondayOfMayBefore(25, 2006), 22);
  testing::internal::CaptureStdout();
  EXPECT_EQ(LastMondayOfMayBefore(25, 1600), -1);
  EXPECT_EQ(WeekdayRuleDayOf("x", kWeekFirst, 1, 0, 1774), -1);
  EXPECT_EQ(WeekdayRuleDayOf("x", kWeekFirst, 1, 0, -5), -1);
  const std::string out = testing::internal::GetCapturedStdout();
  EXPECT_NE(out.find("This program only supports years after 1775\n"), std::string::npos);
}

TEST(WeekdayRuleEntries, EnterAndRemoveFloatingDays) {
  CCalDatabase db;
  db.SetClipartDirectory("/clip/");
  EXPECT_EQ(WeekdayRuleDay(db, "MLK", kWeekThird, 1, 0, 2007, "mlk1.jpg", kComputeOnly), 15);
  WeekdayRuleDay(db, "MLK", kWeekThird, 1, 0, 2007, "mlk1.jpg", kEnterNational);
  WeekdayRuleDay(db, "Pride", kWeekLast, 0, 5, 2007, "x.gif", kEnterPersonal);
  ASSERT_EQ(db.Count(), 2u);
  EXPECT_EQ(db.EntryAt(0)->type, kNationalHoliday);
  EXPECT_EQ(db.EntryAt(0)->pictureFile, "/clip/mlk1.jpg");
  EXPECT_EQ(db.EntryAt(1)->type, kPersonalEvent);
  EXPECT_EQ(db.EntryAt(1)->day, 24);
  // Removal matches the type as well as the name and date.
  WeekdayRuleDay(db, "Pride", kWeekLast, 0, 5, 2007, "x.gif", kRemoveNational);
  db.SortAndCompact();
  EXPECT_EQ(db.Count(), 2u);
  WeekdayRuleDay(db, "Pride", kWeekLast, 0, 5, 2007, "x.gif", kRemovePersonal);
  WeekdayRuleDay(db, "MLK", kWeekThird, 1, 0, 2007, "mlk1.jpg", kRemoveNational);
  db.SortAndCompact();
  EXPECT_EQ(db.Count(), 0u);
  EXPECT_EQ(WeekdayRuleDay(db, "Election Day", kWeekFirst, 1, 10, 2007, "e.png", kEnterNational), -1);
  EXPECT_EQ(WeekdayRuleDay(db, "MLK", kWeekThird, 1, 0, 2007, "mlk1.jpg", 7), -1);
  EXPECT_EQ(db.Count(), 0u);
}

TEST(WeekdayRuleEntries, VictoriaDayMovesToTheNewerYearAndSkipsYearsBeforeTheRules) {
  CCalDatabase db;
  LastWeekdayBeforeDay(db, "Victoria Day", 4, 25, 2007, "null", kEnterNational);
  LastWeekdayBeforeDay(db, "Victoria Day", 4, 25, 2006, "null", kEnterNational);
  ASSERT_EQ(db.Count(), 1u);
  EXPECT_EQ(db.EntryAt(0)->day, 22);
  EXPECT_EQ(db.EntryAt(0)->year, 2006);
  LastWeekdayBeforeDay(db, "Victoria Day", 4, 25, 2006, "null", kRemoveNational);
  testing::internal::CaptureStdout();
  LastWeekdayBeforeDay(db, "Victoria Day", 4, 25, 1700, "null", kEnterNational);
  testing::internal::GetCapturedStdout();
  db.SortAndCompact();
  EXPECT_EQ(db.Count(), 0u);
}

}  // namespace
}  // namespace tessolar
