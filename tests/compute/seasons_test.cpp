// Equinoxes and solstices against Meeus, Astronomical Algorithms, chapter 27
// with the periodic terms of Table 27.C (tests/data/seasons_1800_2200.tsv,
// Universal Time), and the season generator's year limits.

#include "compute/seasons.h"

#include <gtest/gtest.h>

#include <cmath>
#include <iostream>
#include <tuple>

#include "caldata/cal_database.h"
#include "compute/date_arithmetic.h"
#include "compute/generators/season_days.h"
#include "compute/language_table.h"
#include "compute/reference_data.h"
#include "compute/store_snapshot.h"

namespace tessolar {
namespace {

// The mean instants of Table 27.B leave out the periodic terms: at most 24.7
// minutes off over 1800..2200.
constexpr double kSeasonToleranceMinutes = 30;
constexpr double kFourMinutes = 4.0 / 1440;

TEST(Seasons, InstantsAgreeWithThePeriodicTermsOfTable27C) {
  const auto reference = support::ReadUtInstants("seasons_1800_2200.tsv");
  ASSERT_EQ(reference.size(), 401u * kSeasonCount);
  double worst = 0;
  for (size_t i = 0; i < reference.size(); ++i) {
    const auto& r = reference[i];
    const int year = 1800 + static_cast<int>(i / kSeasonCount);
    const auto season = static_cast<Season>(i % kSeasonCount);
    const double minutes =
        std::fabs(SeasonInstant(year, season) + kFourMinutes - r.julianDate) * 1440;
    worst = std::max(worst, minutes);
    ASSERT_LT(minutes, kSeasonToleranceMinutes) << year << " season " << i % kSeasonCount;
    // The day may differ only where the instant lies that close to midnight.
    const CivilDate day = SeasonDay(year, season);
    if (support::MinutesToMidnight(r) >= kSeasonToleranceMinutes) {
      ASSERT_EQ(day.year * 10000 + day.month * 100 + day.day,
                r.year * 10000 + r.month * 100 + r.day)
          << year << " season " << i % kSeasonCount;
    }
  }
  std::cout << "worst season difference: " << worst << " minutes\n";
}

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
