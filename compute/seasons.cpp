#include "compute/seasons.h"

#include <cmath>

namespace tessolar {
namespace {

// Coefficients of Y^0 .. Y^4, Y = (year - 2000) / 1000; Meeus, Table 27.B.
constexpr double kTable27B[kSeasonCount][5] = {
    {2451623.80984, 365242.37404, 0.05169, -0.00411, -0.00057},
    {2451716.56767, 365241.62603, 0.00325, 0.00888, -0.00030},
    {2451810.21715, 365242.01767, -0.11575, 0.00337, 0.00078},
    {2451900.05952, 365242.74049, -0.06223, -0.00823, 0.00032},
};

constexpr double kFourMinutes = 0.002777777777777778;  // days

}  // namespace

double SeasonInstant(int year, Season season) {
  const double* c = kTable27B[static_cast<int>(season)];
  const double y = (year - 2000) / 1000.0;
  return c[0] + y * (c[1] + y * (c[2] + y * (c[3] + y * c[4])));
}

double SeasonMoment(int year, Season season) { return SeasonInstant(year, season) + kFourMinutes; }

CivilDate SeasonDay(int year, Season season) {
  // A Julian date's day begins at noon: half a day more makes it a civil day number.
  const double instant = SeasonMoment(year, season) + 0.5;
  return JulianDayToDate(static_cast<int64_t>(std::trunc(instant)));
}

}  // namespace tessolar
