// Easter-based days entered into and removed from the store, with their dates
// checked by counting Julian day numbers in the calendar of each year.

#include <gtest/gtest.h>

#include <climits>
#include <map>
#include <string>

#include "caldata/cal_database.h"
#include "compute/easter.h"
#include "compute/generators/christian_days.h"
#include "compute/language_table.h"
#include "compute/store_snapshot.h"

namespace tessolar {
namespace {

using testing_store::AddUserEntries;
using testing_store::Slots;

constexpr int kMexico = 4;
constexpr int kGermany = 6;

// Julian day number of a date (month 1..12) of the Julian or the Gregorian
// calendar (Meeus, "Astronomical Algorithms", chapter 7).
long DayNumber(long year, int month, int day, bool julianCalendar) {
  if (month <= 2) {
    year -= 1;
    month += 12;
  }
  const long a = year / 100;
  const long b = julianCalendar ? 0 : 2 - a + a / 4;
  const long days = static_cast<long>(365.25 * (year + 4716)) + static_cast<long>(30.6001 * (month + 1));
  return days + day + b - 1524;
}

class LanguageAndCountry : public ::testing::Test {
 protected:
  void TearDown() override {
    SetLanguageIndex(0);
    SetCountryIndex(0);
  }
};

using ChristianDays = LanguageAndCountry;

// Entries of type 4 by language entry of their name.
std::map<int, CalEntry> FeastsIn(const CCalDatabase& db) {
  std::map<int, CalEntry> feasts;
  for (const CalEntry& e : Slots(db)) {
    if (e.type != kChristianHoliday) continue;
    for (int entry = 49; entry <= 58; ++entry) {
      if (e.description == LanguageString(entry)) feasts[entry] = e;
    }
  }
  return feasts;
}

TEST_F(ChristianDays, Year2007InGermany) {
  SetCountryIndex(kGermany);
  CCalDatabase db;
  GenerateChristianDays(db, 2007, 0);
  const std::map<int, CalEntry> feasts = FeastsIn(db);
  const struct {
    int entry, month, day;
    const char* picture;
  } expected[] = {{49, 3, 8, "bunnies.gif"},         {50, 3, 9, "bunny2.gif"},
                  {51, 1, 21, "madonna2.jpg"},       {52, 1, 20, "mardi_gras1.jpg"},
                  {53, 3, 1, "palm_sunday1.gif"},    {54, 3, 6, "good_friday1_tr.gif"},
                  {55, 4, 17, "ascension.jpg"},      {56, 4, 27, "pentecost.jpg"},
                  {57, 4, 28, "st_nicholas.jpg"},    {58, 5, 7, "christ_cross.jpg"}};
  ASSERT_EQ(db.Count(), 10u);
  ASSERT_EQ(feasts.size(), 10u);
  for (const auto& x : expected) {
    const CalEntry& e = feasts.at(x.entry);
    EXPECT_EQ(e.month, x.month) << x.entry;
    EXPECT_EQ(e.day, x.day) << x.entry;
    EXPECT_EQ(e.year, 2007) << x.entry;
    EXPECT_EQ(e.pictureFile, x.picture) << x.entry;
  }
}

TEST_F(ChristianDays, MonthBoundariesAndLeapYears) {
  CCalDatabase db;
  GenerateChristianDays(db, 2008, 0);
  std::map<int, CalEntry> feasts = FeastsIn(db);
  EXPECT_EQ(feasts.at(49).month * 100 + feasts.at(49).day, 2 * 100 + 23);
  EXPECT_EQ(feasts.at(51).month * 100 + feasts.at(51).day, 1 * 100 + 6);
  EXPECT_EQ(feasts.at(54).month * 100 + feasts.at(54).day, 2 * 100 + 21);
  for (int year : {2013, 2024}) {
    CCalDatabase db2;
    GenerateChristianDays(db2, year, 0);
    feasts = FeastsIn(db2);
    EXPECT_EQ(feasts.at(49).month * 100 + feasts.at(49).day, 2 * 100 + 31) << year;
    EXPECT_EQ(feasts.at(50).month * 100 + feasts.at(50).day, 3 * 100 + 1) << year;
  }
}

TEST_F(ChristianDays, WhichFeastsEachCountryGets) {
  for (int country = 0; country < kCountryCount; ++country) {
    SetCountryIndex(country);
    CCalDatabase db;
    GenerateChristianDays(db, 2007, 0);
    const std::map<int, CalEntry> feasts = FeastsIn(db);
    const bool mexicoOrGermany = country == kMexico || country == kGermany;
    EXPECT_EQ(feasts.count(55) + feasts.count(58), mexicoOrGermany ? 2u : 0u) << country;
    EXPECT_EQ(feasts.count(56) + feasts.count(57), country == kGermany ? 2u : 0u) << country;
    EXPECT_EQ(db.Count(), feasts.size()) << country;
  }
}

TEST_F(ChristianDays, EveryFeastLiesItsOffsetFromEasterInEveryStoredYear) {
  const std::map<int, int> offsets = {{49, 0},   {50, 1},   {51, -46}, {52, -47}, {53, -7},
                                      {54, -2},  {55, 39},  {56, 49},  {57, 50},  {58, 60}};
  SetCountryIndex(kGermany);
  for (int year = 1; year <= 9998; ++year) {
    CCalDatabase db;
    GenerateChristianDays(db, year, 0);
    const std::map<int, CalEntry> feasts = FeastsIn(db);
    ASSERT_EQ(feasts.size(), 10u) << year;
    const bool julian = year <= kLastJulianEasterYear;
    const EasterDate easter = EasterSunday(year);
    const long easterDay = DayNumber(year, easter.month + 1, easter.day, julian);
    for (const auto& [entry, offset] : offsets) {
      const CalEntry& e = feasts.at(entry);
      ASSERT_EQ(e.year, year);
      ASSERT_EQ(DayNumber(year, e.month + 1, e.day, julian), easterDay + offset)
          << year << " entry " << entry << " on " << e.month + 1 << "/" << int{e.day};
    }
  }
}

TEST_F(ChristianDays, RemovingAfterAddingRestoresEverySlot) {
  for (int language = 0; language < kLanguageCount; ++language) {
    SetLanguageIndex(language);
    for (int country = 0; country < kCountryCount; ++country) {
      SetCountryIndex(country);
      for (int year = 1800; year <= 2200; ++year) {
        CCalDatabase db;
        AddUserEntries(db, year);
        const std::vector<CalEntry> before = Slots(db);
        GenerateChristianDays(db, year, 0);
        db.SortAndCompact();
        ASSERT_GT(db.Count(), before.size());
        GenerateChristianDays(db, year, 1);
        db.SortAndCompact();
        ASSERT_EQ(Slots(db), before) << language << " " << country << " " << year;
      }
    }
  }
}

TEST_F(ChristianDays, AddingTwiceLeavesOneSet) {
  SetCountryIndex(kGermany);
  for (int year : {1700, 1752, 1753, 2007, 2024, 4000}) {
    CCalDatabase db;
    AddUserEntries(db, year);
    GenerateChristianDays(db, year, 0);
    db.SortAndCompact();
    const std::vector<CalEntry> once = Slots(db);
    GenerateChristianDays(db, year, 0);
    db.SortAndCompact();
    EXPECT_EQ(Slots(db), once) << year;
  }
}

TEST_F(ChristianDays, YearsTheStoreCannotHoldAreLeftAlone) {
  for (int year : {INT_MIN, -2007, 0, 9999, 10000, 40000, INT_MAX}) {
    for (int remove : {0, 1}) {
      CCalDatabase db;
      AddUserEntries(db, 2007);
      const std::vector<CalEntry> before = Slots(db);
      EXPECT_EQ(GenerateChristianDays(db, year, remove), 0);
      EXPECT_EQ(Slots(db), before) << year;
    }
  }
}

}  // namespace
}  // namespace tessolar
