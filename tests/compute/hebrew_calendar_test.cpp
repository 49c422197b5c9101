// Hebrew calendar checked day by day against the independent reckoning of
// "Calendrical Calculations" (compute/hebrew_reference.h).

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>

#include "compute/date_arithmetic.h"
#include "compute/hebrew_calendar.h"
#include "support/hebrew_reference.h"

namespace tessolar {
namespace {

namespace reference = hebrew_reference;

TEST(HebrewCalendar, EveryDayOfTheAcceptedYearsMatchesTheReference) {
  // Hebrew 5535 begins in 1774 and 7762 ends in 4002: every day of Gregorian 1775..4000.
  int64_t jd = reference::NewYearJulianDay(5535);
  for (int hy = 5535; hy <= 7762; ++hy) {
    ASSERT_EQ(IsHebrewLeapYear(hy), reference::IsLeap(hy)) << hy;
    const HebrewLayout layout = HebrewYearLayout(hy);
    ASSERT_EQ(layout.start, jd) << hy;
    for (int slot = 1; slot <= kHebrewMonthSlots; ++slot) {
      const int month = reference::kMonthOfSlot[slot];
      const int days = month == 13 && !reference::IsLeap(hy) ? 0 : reference::MonthDays(month, hy);
      ASSERT_EQ(layout.MonthLength(slot), days) << hy << " slot " << slot;
      for (int d = 1; d <= days; ++d, ++jd) {
        const HebrewDate expected{d, slot, hy};
        ASSERT_EQ(JulianDayToHebrew(jd), expected) << jd;
        const CivilDate g = JulianDayToDate(jd);
        ASSERT_EQ(HebrewDateOf(g.day, g.month - 1, g.year), expected) << jd;
      }
    }
    ASSERT_EQ(layout.next, jd) << hy;
  }
}

TEST(HebrewCalendar, NewYearMatchesTheReferenceFarFromToday) {
  // 75795 and the three after it are the first years whose molad of Tishri
  // falls exactly at noon, which postpones the new year.
  for (int hy : {1, 2, 1000, 75795, 82082, 88369, 94656, 999999, 1000000}) {
    EXPECT_EQ(HebrewNewYearDay(hy), reference::NewYearJulianDay(hy)) << hy;
  }
  for (int64_t hy = -5000; hy <= 0; ++hy) {
    ASSERT_EQ(HebrewNewYearDay(hy), reference::NewYearJulianDay(hy)) << hy;
  }
}

TEST(HebrewCalendar, GregorianDayNumbersAndMonthNames) {
  // 1 Tishri 5768 is 13 September 2007.
  EXPECT_EQ(HebrewYearLayout(5768).start, GregorianJulianDay(2007, 8, 13));
  EXPECT_EQ(GregorianJulianDay(2004, 0, 1), 2453006);
  EXPECT_EQ(HebrewMonthName(1), "Tishri");
  EXPECT_EQ(HebrewMonthName(5), "Sh'vat");
  EXPECT_EQ(HebrewMonthName(13), "Elul");
  for (int slot : {0, 14, -1, INT_MIN}) EXPECT_EQ(HebrewMonthName(slot), "unknown hmonth");
}

TEST(HebrewCalendar, DatesOutsideTheCoveredYearsGiveNoDate) {
  const int64_t first = HebrewNewYearDay(kFirstHebrewYear);
  const int64_t end = HebrewNewYearDay(int64_t{kLastHebrewYear} + 1);
  EXPECT_EQ(JulianDayToHebrew(first), (HebrewDate{1, 1, 1}));
  EXPECT_EQ(JulianDayToHebrew(end - 1), (HebrewDate{29, 13, kLastHebrewYear}));
  for (int64_t jd : {first - 1, end, INT64_MIN, INT64_MAX}) {
    EXPECT_FALSE(JulianDayToHebrew(jd).IsValid()) << jd;
  }
  for (int year : {INT_MIN, -3761, 1000000, INT_MAX}) EXPECT_FALSE(HebrewDateOf(1, 0, year).IsValid());
  EXPECT_FALSE(HebrewDateOf(0, 0, 2007).IsValid());
  EXPECT_FALSE(HebrewDateOf(32, 0, 2007).IsValid());
  EXPECT_FALSE(HebrewDateOf(1, 12, 2007).IsValid());
  EXPECT_FALSE(HebrewDateOf(1, -1, 2007).IsValid());
  for (int64_t hy : {int64_t{INT_MIN}, int64_t{INT_MAX}}) {  // no overflow at the ends of int
    const int64_t length = HebrewYearLayout(hy).next - HebrewYearLayout(hy).start;
    EXPECT_TRUE(length >= 353 && length <= 385) << hy;
  }
}

}  // namespace
}  // namespace tessolar
