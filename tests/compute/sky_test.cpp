#include <gtest/gtest.h>

#include <cmath>
#include <iostream>
#include <map>

#include "compute/date_arithmetic.h"
#include "compute/moon_phases.h"
#include "compute/seasons.h"
#include "support/reference_data.h"

namespace tessolar {
namespace {

// Equinoxes and solstices against Meeus, Astronomical Algorithms, chapter 27
// with the periodic terms of Table 27.C (tests/data/seasons_1800_2200.tsv,
// Universal Time).

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

// The short lunation series against the full one of Meeus, Astronomical
// Algorithms, chapter 49 (tests/data/full_moons_1800_2200.tsv, Universal Time).

// The short series leaves out small terms; over 1800..2200 it is off by at most 9.2 minutes.
constexpr double kFullMoonToleranceMinutes = 15;

TEST(MoonPhases, FullMoonsAgreeWithTheFullLunarSeries) {
  const auto reference = support::ReadUtInstants("full_moons_1800_2200.tsv");
  ASSERT_GT(reference.size(), 4900u);
  double worst = 0;
  for (const auto& r : reference) {
    // Lunation numbers count from the mean new moon of 6 January 1900.
    const double k = std::round((r.julianDate - 2415020.75933) / kSynodicMonth - 0.5);
    const double minutes = std::fabs(TruePhase(k, 0.5) - r.julianDate) * 1440;
    ASSERT_LT(minutes, kFullMoonToleranceMinutes) << r.year << "-" << r.month << "-" << r.day;
    worst = std::max(worst, minutes);
  }
  std::cout << "worst full-moon difference: " << worst << " minutes\n";
}

// Against PyEphem, whose lunar theory shares nothing with the series: every
// phase of 1900..2100, the quarters included.
TEST(MoonPhases, AllFourPhasesAgreeWithAnIndependentEphemeris) {
  const std::map<std::string, double> fractions = {
      {"new", 0}, {"first", 0.25}, {"full", 0.5}, {"last", 0.75}};
  std::map<std::string, double> worst;
  for (const auto& r : support::ReadUtInstants("moon_phases_1900_2100.tsv")) {
    const double fraction = fractions.at(r.label);
    const double k = std::round((r.julianDate - 2415020.75933) / kSynodicMonth - fraction);
    const double minutes = std::fabs(TruePhase(k, fraction) - r.julianDate) * 1440;
    ASSERT_LT(minutes, kFullMoonToleranceMinutes)
        << r.label << " " << r.year << "-" << r.month << "-" << r.day;
    worst[r.label] = std::max(worst[r.label], minutes);
  }
  EXPECT_EQ(worst.size(), 4u);
  for (const auto& [phase, minutes] : worst)
    std::cout << "worst " << phase << ": " << minutes << " minutes\n";
}

}  // namespace
}  // namespace tessolar
