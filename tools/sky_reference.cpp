// Writes the reference tables of full moons and equinoxes/solstices that the
// tests compare the program's own, shorter series against:
//   tests/data/full_moons_1800_2200.tsv   J. Meeus, Astronomical Algorithms,
//       2nd ed., chapter 49: all periodic terms of the full moon and the
//       fourteen planetary arguments (about a minute or better).
//   tests/data/seasons_1800_2200.tsv      the same book, chapter 27: Table 27.B
//       with the periodic terms of Table 27.C (about a minute or better).
// Dynamical time becomes Universal Time with the long-term parabola of
// Morrison and Stephenson, delta T = -20 + 32 u^2 s, u = (year - 1820) / 100,
// within about half a minute of the observed values over 1800..2020.
// Stand-alone on purpose, sharing no code with the program:
//   g++ -std=c++17 -O2 tools/sky_reference.cpp -o /tmp/sky_reference
//   /tmp/sky_reference moons > tests/data/full_moons_1800_2200.tsv
//   /tmp/sky_reference seasons > tests/data/seasons_1800_2200.tsv

#include <cassert>
#include <cmath>
#include <cstdio>
#include <cstring>

namespace {

constexpr int kFirstYear = 1800;
constexpr int kLastYear = 2200;

double Rad(double degrees) { return degrees * M_PI / 180.0; }
double SinD(double degrees) { return std::sin(Rad(degrees)); }

// Howard Hinnant's civil_from_days: days since 1970-01-01 to a Gregorian date.
void CivilFromDays(long z, int* y, int* m, int* d) {
  z += 719468;
  const long era = (z >= 0 ? z : z - 146096) / 146097;
  const long doe = z - era * 146097;
  const long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const long mp = (5 * doy + 2) / 153;
  *d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  *m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  *y = static_cast<int>(yoe + era * 400 + (*m <= 2));
}

double DeltaTDays(double year) {
  const double u = (year - 1820) / 100;
  return (-20 + 32 * u * u) / 86400;
}

// Prints a Julian Ephemeris Day as a UT date and time to the minute.
void PrintUt(double jde) {
  const double year = 2000 + (jde - 2451545.0) / 365.25;
  const double minutes = std::round((jde - DeltaTDays(year) - 2440587.5) * 1440);
  const long days = static_cast<long>(std::floor(minutes / 1440));
  const long minuteOfDay = static_cast<long>(minutes) - days * 1440;
  int y, m, d;
  CivilFromDays(days, &y, &m, &d);
  std::printf("%04d-%02d-%02d %02ld:%02ld", y, m, d, minuteOfDay / 60, minuteOfDay % 60);
}

// Meeus 49: the true new moon (integer k) or full moon (k + 0.5) of lunation k
// counted from the new moon of 6 January 2000.
double MoonPhase(double k, bool full) {
  const double t = k / 1236.85;
  const double t2 = t * t, t3 = t2 * t, t4 = t3 * t;
  double jde = 2451550.09766 + 29.530588861 * k + 0.00015437 * t2 - 0.000000150 * t3 +
               0.00000000073 * t4;
  const double e = 1 - 0.002516 * t - 0.0000074 * t2;
  const double m = 2.5534 + 29.10535670 * k - 0.0000014 * t2 - 0.00000011 * t3;
  const double mp = 201.5643 + 385.81693528 * k + 0.0107582 * t2 + 0.00001238 * t3 -
                    0.000000058 * t4;
  const double f = 160.7108 + 390.67050284 * k - 0.0016118 * t2 - 0.00000227 * t3 +
                   0.000000011 * t4;
  const double om = 124.7746 - 1.56375588 * k + 0.0020672 * t2 + 0.00000215 * t3;
  // Coefficients of the new moon, then of the full moon.
  const double c[2][14] = {
      {-0.40720, 0.17241, 0.01608, 0.01039, 0.00739, -0.00514, 0.00208, -0.00111, -0.00057,
       0.00056, -0.00042, 0.00042, 0.00038, -0.00024},
      {-0.40614, 0.17302, 0.01614, 0.01043, 0.00734, -0.00515, 0.00209, -0.00111, -0.00057,
       0.00056, -0.00042, 0.00042, 0.00038, -0.00024},
  };
  const double* a = c[full ? 1 : 0];
  jde += a[0] * SinD(mp) + a[1] * e * SinD(m) + a[2] * SinD(2 * mp) + a[3] * SinD(2 * f) +
         a[4] * e * SinD(mp - m) + a[5] * e * SinD(mp + m) + a[6] * e * e * SinD(2 * m) +
         a[7] * SinD(mp - 2 * f) + a[8] * SinD(mp + 2 * f) + a[9] * e * SinD(2 * mp + m) +
         a[10] * SinD(3 * mp) + a[11] * e * SinD(m + 2 * f) + a[12] * e * SinD(m - 2 * f) +
         a[13] * e * SinD(2 * mp - m) - 0.00017 * SinD(om) - 0.00007 * SinD(mp + 2 * m) +
         0.00004 * SinD(2 * mp - 2 * f) + 0.00004 * SinD(3 * m) +
         0.00003 * SinD(mp + m - 2 * f) + 0.00003 * SinD(2 * mp + 2 * f) -
         0.00003 * SinD(mp + m + 2 * f) + 0.00003 * SinD(mp - m + 2 * f) -
         0.00002 * SinD(mp - m - 2 * f) - 0.00002 * SinD(3 * mp + m) + 0.00002 * SinD(4 * mp);
  const double planetary[14][3] = {
      {299.77, 0.107408, 0.000325}, {251.88, 0.016321, 0.000165}, {251.83, 26.651886, 0.000164},
      {349.42, 36.412478, 0.000126}, {84.66, 18.206239, 0.000110}, {141.74, 53.303771, 0.000062},
      {207.14, 2.453732, 0.000060}, {154.84, 7.306860, 0.000056}, {34.52, 27.261239, 0.000047},
      {207.19, 0.121824, 0.000042}, {291.34, 1.844379, 0.000040}, {161.72, 24.198154, 0.000037},
      {239.56, 25.513099, 0.000035}, {331.55, 3.592518, 0.000023},
  };
  for (int i = 0; i < 14; ++i) {
    double arg = planetary[i][0] + planetary[i][1] * k;
    if (i == 0) arg -= 0.009173 * t2;
    jde += planetary[i][2] * SinD(arg);
  }
  return jde;
}

// Meeus 27: Table 27.B with the periodic terms of Table 27.C.
double Season(int year, int index) {
  static const double b[4][5] = {
      {2451623.80984, 365242.37404, 0.05169, -0.00411, -0.00057},
      {2451716.56767, 365241.62603, 0.00325, 0.00888, -0.00030},
      {2451810.21715, 365242.01767, -0.11575, 0.00337, 0.00078},
      {2451900.05952, 365242.74049, -0.06223, -0.00823, 0.00032},
  };
  static const double terms[24][3] = {
      {485, 324.96, 1934.136},  {203, 337.23, 32964.467}, {199, 342.08, 20.186},
      {182, 27.85, 445267.112}, {156, 73.14, 45036.886},  {136, 171.52, 22518.443},
      {77, 222.54, 65928.934},  {74, 296.72, 3034.906},   {70, 243.58, 9037.513},
      {58, 119.81, 33718.147},  {52, 297.17, 150.678},    {50, 21.02, 2281.226},
      {45, 247.54, 29929.562},  {44, 325.15, 31555.956},  {29, 60.93, 4443.417},
      {18, 155.12, 67555.328},  {17, 288.79, 4562.452},   {16, 198.04, 62894.029},
      {14, 199.76, 31436.921},  {12, 95.39, 14577.848},   {12, 287.11, 31931.756},
      {12, 320.81, 34777.259},  {9, 227.73, 1222.114},    {8, 15.45, 16859.074},
  };
  const double y = (year - 2000) / 1000.0;
  const double* c = b[index];
  const double jde0 = c[0] + c[1] * y + c[2] * y * y + c[3] * y * y * y + c[4] * y * y * y * y;
  const double t = (jde0 - 2451545.0) / 36525;
  const double w = 35999.373 * t - 2.47;
  const double dl = 1 + 0.0334 * std::cos(Rad(w)) + 0.0007 * std::cos(Rad(2 * w));
  double s = 0;
  for (const auto& term : terms) s += term[0] * std::cos(Rad(term[1] + term[2] * t));
  return jde0 + 0.00001 * s / dl;
}

// The worked examples of the book: 49.a (new moon of February 1977) and 27.a
// (June solstice of 1962).
void CheckWorkedExamples() {
  assert(std::fabs(MoonPhase(-283, false) - 2443192.65118) < 0.00002);
  assert(std::fabs(Season(1962, 1) - 2437837.39245) < 0.00002);
}

}  // namespace

int main(int argc, char** argv) {
  CheckWorkedExamples();
  if (argc == 2 && std::strcmp(argv[1], "moons") == 0) {
    std::printf("# Full moons %d..%d, Universal Time to the minute.\n", kFirstYear, kLastYear);
    std::printf("# Source: J. Meeus, Astronomical Algorithms, 2nd ed., chapter 49 (all terms),\n");
    std::printf("# delta T by the parabola -20 + 32 u^2 s; written by tools/sky_reference.cpp.\n");
    const double kFirst = std::floor((kFirstYear - 2000) * 12.3685) - 2;
    const double kLast = std::ceil((kLastYear + 1 - 2000) * 12.3685) + 2;
    for (double k = kFirst; k <= kLast; k += 1) {
      const double jde = MoonPhase(k + 0.5, true);
      const double year = 2000 + (jde - 2451545.0) / 365.25;
      if (year < kFirstYear - 0.01 || year > kLastYear + 1.01) continue;
      PrintUt(jde);
      std::printf("\n");
    }
    return 0;
  }
  if (argc == 2 && std::strcmp(argv[1], "seasons") == 0) {
    std::printf("# Equinoxes and solstices %d..%d (March, June, September, December),\n",
                kFirstYear, kLastYear);
    std::printf("# Universal Time to the minute. Source: J. Meeus, Astronomical Algorithms,\n");
    std::printf("# 2nd ed., chapter 27, Table 27.B with the periodic terms of Table 27.C;\n");
    std::printf("# delta T by the parabola -20 + 32 u^2 s; written by tools/sky_reference.cpp.\n");
    for (int year = kFirstYear; year <= kLastYear; ++year) {
      for (int i = 0; i < 4; ++i) {
        PrintUt(Season(year, i));
        std::printf("\n");
      }
    }
    return 0;
  }
  std::fprintf(stderr, "Usage: sky_reference moons|seasons\n");
  return 1;
}
