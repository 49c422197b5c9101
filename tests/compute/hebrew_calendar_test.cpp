// Hebrew calendar checked day by day against the independent reckoning of
// "Calendrical Calculations" (compute/hebrew_reference.h).

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>

#include "compute/date_arithmetic.h"
#include "compute/hebrew_calendar.h"
#include "compute/hebrew_reference.h"

namespace tessolar {
namespace {

namespace reference = hebrew_reference;

struct Gregorian {
  int year, month0, day;
  void Advance() {
    if (++day <= DaysInMonth(month0, year)) return;
    day = 1;
    if (++month0 < 12) return;
    month0 = 0;
    ++year;
  }
};

TEST(HebrewCalendar, EveryDayOfTheAcceptedYearsMatchesTheReference) {
  // Hebrew 5535 begins in 1774, 7762 ends in 4001: every day of Gregorian 1775..4000.
  const int firstYear = 5535;
  const int lastYear = 7762;
  int64_t jd = reference::NewYearJulianDay(firstYear);
  const CivilDate start = JulianDayToDate(jd);
  Gregorian g{start.year, start.month - 1, start.day};
  for (int hy = firstYear; hy <= lastYear; ++hy) {
    ASSERT_EQ(IsHebrewLeapYear(hy), reference::IsLeap(hy)) << hy;
    const HebrewLayout layout = HebrewYearLayout(hy);
    ASSERT_EQ(layout.start, jd) << hy;
    ASSERT_EQ(layout.next, reference::NewYearJulianDay(hy + 1)) << hy;
    for (int slot = 1; slot <= kHebrewMonthSlots; ++slot) {
      const int days = slot == 7 && !reference::IsLeap(hy)
                           ? 0
                           : reference::MonthDays(reference::kMonthOfSlot[slot], hy);
      ASSERT_EQ(layout.MonthLength(slot), days) << hy << " slot " << slot;
      for (int d = 1; d <= days; ++d, ++jd, g.Advance()) {
        const HebrewDate expected{d, slot, hy};
        ASSERT_EQ(JulianDayToHebrew(jd), expected) << jd;
        ASSERT_EQ(HebrewDateOf(g.day, g.month0, g.year), expected)
            << g.year << "-" << g.month0 + 1 << "-" << g.day;
      }
    }
    ASSERT_EQ(jd, layout.next) << hy;
  }
}

TEST(HebrewCalendar, NewYearMatchesTheReferenceFarFromToday) {
  // Among them the first years whose molad of Tishri falls exactly at noon,
  // which postpones the new year.
  for (int hy : {1, 2, 3, 1000, 3761, 75795, 82082, 88369, 94656, 174291, 999999, 1000000}) {
    EXPECT_EQ(HebrewNewYearDay(hy), reference::NewYearJulianDay(hy)) << hy;
  }
  for (int64_t hy = -5000; hy <= 0; ++hy) {
    ASSERT_EQ(HebrewNewYearDay(hy), reference::NewYearJulianDay(hy)) << hy;
  }
}

TEST(HebrewCalendar, KnownNewYearsAndYearShapes) {
  EXPECT_EQ(HebrewNewYearDay(5767), GregorianJulianDay(2006, 8, 23));
  EXPECT_EQ(HebrewNewYearDay(5768), GregorianJulianDay(2007, 8, 13));
  EXPECT_EQ(HebrewNewYearDay(5769), GregorianJulianDay(2008, 8, 30));
  EXPECT_EQ(HebrewNewYearDay(5770), GregorianJulianDay(2009, 8, 19));
  const int lengths[] = {355, 383, 354, 355};
  for (int i = 0; i < 4; ++i) {
    const HebrewLayout layout = HebrewYearLayout(5767 + i);
    EXPECT_EQ(layout.next - layout.start, lengths[i]) << 5767 + i;
  }
  EXPECT_EQ(GregorianJulianDay(2004, 0, 1), 2453006);

  const HebrewLayout leap = HebrewYearLayout(5768);
  EXPECT_EQ(leap.MonthLength(6), 30);
  EXPECT_EQ(leap.MonthLength(7), 29);
  const HebrewLayout common = HebrewYearLayout(5769);
  for (int64_t jd = common.start; jd < common.next; ++jd) {
    ASSERT_NE(JulianDayToHebrew(jd).month, 7) << jd;
  }
  EXPECT_EQ(HebrewDateOf(13, 8, 2007), (HebrewDate{1, 1, 5768}));
  EXPECT_EQ(HebrewDateOf(2, 3, 2007), (HebrewDate{14, 8, 5767}));
}

TEST(HebrewCalendar, MonthNames) {
  EXPECT_EQ(HebrewMonthName(1), "Tishri");
  EXPECT_EQ(HebrewMonthName(5), "Sh'vat");
  EXPECT_EQ(HebrewMonthName(7), "Veadar");
  EXPECT_EQ(HebrewMonthName(13), "Elul");
  for (int slot : {0, 14, -1, INT_MIN, INT_MAX}) EXPECT_EQ(HebrewMonthName(slot), "unknown hmonth");
}

TEST(HebrewCalendar, DatesOutsideTheCoveredYearsGiveNoDate) {
  const int64_t epoch = HebrewNewYearDay(kFirstHebrewYear);
  EXPECT_EQ(JulianDayToHebrew(epoch), (HebrewDate{1, 1, 1}));
  EXPECT_FALSE(JulianDayToHebrew(epoch - 1).IsValid());
  const int64_t end = HebrewNewYearDay(int64_t{kLastHebrewYear} + 1);
  EXPECT_EQ(JulianDayToHebrew(end - 1), (HebrewDate{29, 13, kLastHebrewYear}));
  EXPECT_FALSE(JulianDayToHebrew(end).IsValid());
  for (int64_t jd : {INT64_MIN, int64_t{0}, int64_t{-1}, INT64_MAX}) {
    EXPECT_FALSE(JulianDayToHebrew(jd).IsValid()) << jd;
  }
  for (int year : {INT_MIN, -3761, 1000000, INT_MAX}) {
    EXPECT_FALSE(HebrewDateOf(1, 0, year).IsValid()) << year;
  }
  EXPECT_FALSE(HebrewDateOf(0, 0, 2007).IsValid());
  EXPECT_FALSE(HebrewDateOf(32, 0, 2007).IsValid());
  EXPECT_FALSE(HebrewDateOf(1, 12, 2007).IsValid());
  EXPECT_FALSE(HebrewDateOf(1, -1, 2007).IsValid());
  // Every int year lays out without overflow.
  for (int64_t hy : {int64_t{INT_MIN}, int64_t{INT_MAX}}) {
    const HebrewLayout layout = HebrewYearLayout(hy);
    EXPECT_GE(layout.next - layout.start, 353) << hy;
    EXPECT_LE(layout.next - layout.start, 385) << hy;
  }
}

}  // namespace
}  // namespace tessolar
