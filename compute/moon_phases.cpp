#include "compute/moon_phases.h"

#include <cmath>

#include "compute/julian_date.h"

namespace tessolar {
namespace {

constexpr double kRadiansPerDegree = 0.017453292519943295;

double SinDeg(double degrees) { return std::sin(degrees * kRadiansPerDegree); }
double CosDeg(double degrees) { return std::cos(degrees * kRadiansPerDegree); }

// 1900 January 0.5, the epoch of the lunation count.
constexpr double kEpoch1900 = 2415020.0;
constexpr double kLunationsPerCentury = 1236.85;

// The mean new moon polynomial for lunation k and time t in Julian centuries since 1900.
double MeanNewMoon(double k, double t) {
  const double t2 = t * t;
  return 2415020.75933 + kSynodicMonth * k + 0.0001178 * t2 - 0.000000155 * t2 * t +
         0.00033 * SinDeg(166.56 + 132.87 * t - 0.009173 * t2);
}

}  // namespace

double MeanPhase(double julianDate, double k) {
  return MeanNewMoon(k, (julianDate - kEpoch1900) / 36525);
}

double TruePhase(double k, double phase) {
  k += phase;
  const double t = k / kLunationsPerCentury;
  const double t2 = t * t;
  const double t3 = t2 * t;
  const double m =
      359.2242 + 29.10535608 * k - 0.0000333 * t2 - 0.00000347 * t3;  // Sun's mean anomaly
  const double mp =
      306.0253 + 385.81691806 * k + 0.0107306 * t2 + 0.00001236 * t3;  // Moon's mean anomaly
  const double f =
      21.2964 + 390.67050646 * k - 0.0016528 * t2 - 0.00000239 * t3;  // Moon's argument of latitude
  if (phase == 0 || phase == 0.5) {
    const double correction =
        (0.1734 - 0.000393 * t) * SinDeg(m) + 0.0021 * SinDeg(2 * m) - 0.4068 * SinDeg(mp) +
        0.0161 * SinDeg(2 * mp) - 0.0004 * SinDeg(3 * mp) + 0.0104 * SinDeg(2 * f) -
        0.0051 * SinDeg(m + mp) - 0.0074 * SinDeg(m - mp) + 0.0004 * SinDeg(2 * f + m) -
        0.0004 * SinDeg(2 * f - m) - 0.0006 * SinDeg(2 * f + mp) + 0.0010 * SinDeg(2 * f - mp) +
        0.0005 * SinDeg(m + 2 * mp);
    return MeanNewMoon(k, t) + correction;
  }
  const double correction =
      (0.1721 - 0.0004 * t) * SinDeg(m) + 0.0021 * SinDeg(2 * m) - 0.6280 * SinDeg(mp) +
      0.0089 * SinDeg(2 * mp) - 0.0004 * SinDeg(3 * mp) + 0.0079 * SinDeg(2 * f) -
      0.0119 * SinDeg(m + mp) - 0.0047 * SinDeg(m - mp) + 0.0003 * SinDeg(2 * f + m) -
      0.0004 * SinDeg(2 * f - m) - 0.0006 * SinDeg(2 * f + mp) + 0.0021 * SinDeg(2 * f - mp) +
      0.0003 * SinDeg(m + 2 * mp) + 0.0004 * SinDeg(m - 2 * mp) - 0.0003 * SinDeg(2 * m + mp);
  // The quarters' own term: the first quarter later, the last earlier.
  const double w = 0.0028 - 0.0004 * CosDeg(m) + 0.0003 * CosDeg(mp);
  return MeanNewMoon(k, t) + correction + (phase < 0.5 ? w : -w);
}

LunationBracket PhaseHunt(double julianDate) {
  double a = julianDate - 45;
  const CalendarDate start = JulianDateToCivil(a);
  // A first guess one to three lunations before the instant.
  double k1 = std::floor((start.year + (start.month - 1) / 12.0 - 1900) * 12.3685);
  double mean1 = MeanPhase(a, k1);
  a = mean1;
  double k2 = k1 + 1;
  // Bounded, so that an instant that is not a number cannot loop for ever.
  for (int step = 0; step < 24; ++step) {
    a += kSynodicMonth;
    k2 = k1 + 1;
    const double mean2 = MeanPhase(a, k2);
    if (mean1 <= julianDate && mean2 > julianDate) break;
    mean1 = mean2;
    k1 = k2;
  }
  return {k1, TruePhase(k1, 0), TruePhase(k1, 0.5), TruePhase(k2, 0)};
}

}  // namespace tessolar
