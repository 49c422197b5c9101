// Floating days entered into and removed from the store by their weekday rule.

#include "generators/weekday_rule.h"

#include <gtest/gtest.h>

#include "compute/date_arithmetic.h"

namespace tessolar {
namespace {

TEST(WeekdayRuleEntries, EnterAndRemoveFloatingDaysByTypeNameAndDate) {
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
