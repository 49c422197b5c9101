#pragma once
// Equinoxes and solstices: the instants at which the Sun's apparent longitude
// is 0, 90, 180 and 270 degrees.

#include "compute/date_arithmetic.h"

namespace tessolar {

enum class Season {
  kMarchEquinox = 0,
  kJuneSolstice = 1,
  kSeptemberEquinox = 2,
  kDecemberSolstice = 3
};
inline constexpr int kSeasonCount = 4;

// The years the season instants are computed for.
inline constexpr int kFirstSeasonYear = -100;
inline constexpr int kLastSeasonYear = 4000;

inline bool IsSeasonYear(int year) { return year >= kFirstSeasonYear && year <= kLastSeasonYear; }

// The mean instant of a season of `year`, as a Julian Ephemeris Day, from the
// polynomials of J. Meeus, Astronomical Algorithms, 2nd ed., Table 27.B
// (made for the years 1000..3000, used here for every year it accepts).
// Without the periodic terms of Table 27.C it lies within 25 minutes of
// the true instant over 1800..2200 (tests/data/seasons_1800_2200.tsv); far
// outside 1000..3000 the error grows to hours.
double SeasonInstant(int year, Season season);

// The season's mean instant shifted four minutes later, as a Julian date in
// Universal Time: the moment its day is dated by, in any zone.
double SeasonMoment(int year, Season season);

// The calendar day (proleptic Gregorian, Universal Time, no time zone) of
// SeasonMoment; year, month 1..12, day.
CivilDate SeasonDay(int year, Season season);

}  // namespace tessolar
