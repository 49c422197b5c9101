// The season generator: the days of a year in their row order, removing them,
// and years outside the range of the sky computation.

#include "generators/season_days.h"

#include <gtest/gtest.h>

#include <tuple>

#include "compute/seasons.h"
#include "support/calendar_fixture.h"
#include "support/store_snapshot.h"

namespace tessolar {
namespace {

using SeasonDays = support::CalendarTest;

TEST_F(SeasonDays, TheDaysOfAYearInTheirRowOrderAndRemovingThem) {
  const std::tuple<int, int, int, uint32_t, std::string, std::string> expected[] = {
      {2, 21, 2007, kAstronomicalDay, "March Equinox", "flowers54.jpg"},
      {5, 21, 2007, kAstronomicalDay, "June Solstice", "sunshine3.gif"},
      {8, 23, 2007, kAstronomicalDay, "September Equinox", "leaves1_tr.gif"},
      {11, 22, 2007, kAstronomicalDay, "December Solstice", "snowman1_tr.gif"}};
  GenerateSeasonDays(db_, 2007, 0);
  const auto days = support::Snapshot(db_);
  ASSERT_EQ(days.size(), 4u);
  for (size_t i = 0; i < 4; ++i) {
    const CalEntry& e = days[i];
    EXPECT_EQ(std::make_tuple(int{e.month}, int{e.day}, int{e.year}, e.type, e.description, e.pictureFile), expected[i]);
  }
  GenerateSeasonDays(db_, 2007, 1);
  db_.SortAndCompact();
  EXPECT_EQ(db_.Count(), 0u);
}

TEST_F(SeasonDays, YearsOutsideTheRangeAreSkippedWithAMessageAndNothingEnds) {
  for (const int year : {kFirstSeasonYear, kLastSeasonYear}) {
    CCalDatabase db;
    GenerateSeasonDays(db, year, 0);
    EXPECT_EQ(db.Count(), 4u) << year;
  }
  for (const int year : {kFirstSeasonYear - 1, kLastSeasonYear + 1, -2000000000, 2000000000}) {
    ::testing::internal::CaptureStdout();
    GenerateSeasonDays(db_, year, 0);
    EXPECT_EQ(::testing::internal::GetCapturedStdout(), "\nYears must be within the range -100 - 4000 CE.\n");
    EXPECT_EQ(db_.Count(), 0u) << year;
  }
}

}  // namespace
}  // namespace tessolar
