// The season generator: the days of a year in their row order, removing them,
// and years outside the range of the sky computation.

#include "generators/season_days.h"

#include <gtest/gtest.h>

#include <tuple>

#include "compute/language_table.h"
#include "compute/seasons.h"
#include "support/store_snapshot.h"

namespace tessolar {
namespace {

std::vector<CalEntry> SeasonEntries(int year) {
  SetLanguageIndex(0);
  CCalDatabase db;
  GenerateSeasonDays(db, year, 0);
  return support::Snapshot(db);
}

TEST(SeasonDays, The2007DaysInTheirRowOrderAndRemovingThem) {
  const struct {
    int month, day;
    const char* name;
    const char* picture;
  } expected[] = {{2, 21, "March Equinox", "flowers54.jpg"},
                  {5, 21, "June Solstice", "sunshine3.gif"},
                  {8, 23, "September Equinox", "leaves1_tr.gif"},
                  {11, 22, "December Solstice", "snowman1_tr.gif"}};
  const auto days = SeasonEntries(2007);
  ASSERT_EQ(days.size(), 4u);
  for (size_t i = 0; i < 4; ++i) {
    const CalEntry& e = days[i];
    EXPECT_EQ(std::make_tuple(e.month, e.day, e.year, e.type, e.description, e.pictureFile),
              std::make_tuple(expected[i].month, expected[i].day, 2007, kAstronomicalDay,
                              std::string(expected[i].name), std::string(expected[i].picture)));
  }
  CCalDatabase db;
  GenerateSeasonDays(db, 2007, 0);
  GenerateSeasonDays(db, 2007, 1);
  db.SortAndCompact();
  EXPECT_EQ(db.Count(), 0u);
}

TEST(SeasonDays, YearsOutsideTheRangeAreSkippedWithAMessageAndNothingEnds) {
  EXPECT_EQ(SeasonEntries(kFirstSeasonYear).size(), 4u);
  EXPECT_EQ(SeasonEntries(kLastSeasonYear).size(), 4u);
  for (const int year : {kFirstSeasonYear - 1, kLastSeasonYear + 1, -2000000000, 2000000000}) {
    ::testing::internal::CaptureStdout();
    const auto slots = SeasonEntries(year);
    const std::string out = ::testing::internal::GetCapturedStdout();
    EXPECT_TRUE(slots.empty()) << year;
    EXPECT_EQ(out, "\nYears must be within the range -100 - 4000 CE.\n");
  }
}

}  // namespace
}  // namespace tessolar
