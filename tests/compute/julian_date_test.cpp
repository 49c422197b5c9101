// Julian dates against the worked examples of Meeus (chapter 7) and against
// the day counts of the date arithmetic, every day over eight centuries.

#include "compute/julian_date.h"

#include <gtest/gtest.h>

#include "compute/date_arithmetic.h"

namespace tessolar {
namespace {

constexpr double kUnixEpochJulianDate = 2440587.5;

TEST(JulianDate, WorkedExamplesAndTheGregorianReform) {
  EXPECT_DOUBLE_EQ(CivilToJulianDate(2000, 0, 1, 12, 0, 0), 2451545.0);
  EXPECT_NEAR(CivilToJulianDate(1957, 9, 4, 19, 26, 24), 2436116.31, 1e-9);
  EXPECT_DOUBLE_EQ(CivilToJulianDate(333, 0, 27, 12, 0, 0), 1842713.0);
  // 4 October 1582 (Julian) was followed by 15 October (Gregorian).
  EXPECT_DOUBLE_EQ(CivilToJulianDate(1582, 9, 15, 0, 0, 0) - CivilToJulianDate(1582, 9, 4, 0, 0, 0),
                   1.0);
  const CalendarDate reform = JulianDateToCivil(2299160.5);
  EXPECT_EQ(reform.year, 1582);
  EXPECT_EQ(reform.month, 10);
  EXPECT_EQ(reform.day, 15);
  const CalendarDate before = JulianDateToCivil(2299159.5);
  EXPECT_EQ(before.day, 4);
}

TEST(JulianDate, EveryGregorianDayMatchesTheDayCountBothWays) {
  for (int y = 1583; y <= 2400; ++y) {
    for (int m = 0; m < 12; ++m) {
      for (int d = 1; d <= DaysInMonth(m, y); ++d) {
        const double midnight = CivilToJulianDate(y, m, d, 0, 0, 0);
        ASSERT_DOUBLE_EQ(midnight, DaysFromCivil(y, m, d) + kUnixEpochJulianDate)
            << y << "-" << m + 1 << "-" << d;
        // The first and the last second of the day belong to it.
        for (const double instant : {midnight, CivilToJulianDate(y, m, d, 23, 59, 59)}) {
          const CalendarDate back = JulianDateToCivil(instant);
          ASSERT_EQ(back.year, y);
          ASSERT_EQ(back.month, m + 1);
          ASSERT_EQ(back.day, d);
        }
      }
    }
  }
}

TEST(JulianDate, JulianCalendarDaysBeforeTheReformFollowEachOther) {
  double previous = CivilToJulianDate(1, 0, 1, 0, 0, 0) - 1;
  for (int y = 1; y <= 1581; ++y) {
    // Every fourth year is a leap year in the Julian calendar, 1500 included.
    const int february = y % 4 == 0 ? 29 : 28;
    for (int m = 0; m < 12; ++m) {
      const int days = m == 1 ? february : DaysInMonth(m, y);
      for (int d = 1; d <= days; ++d) {
        const double jd = CivilToJulianDate(y, m, d, 6, 0, 0) - 0.25;
        ASSERT_DOUBLE_EQ(jd - previous, 1.0) << y << "-" << m + 1 << "-" << d;
        previous = jd;
        const CalendarDate back = JulianDateToCivil(jd);
        ASSERT_EQ(back.year * 10000 + back.month * 100 + back.day, y * 10000 + (m + 1) * 100 + d);
      }
    }
  }
}

}  // namespace
}  // namespace tessolar
