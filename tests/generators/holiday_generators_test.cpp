// The Jewish and the Easter-based days entered into the store (the year
// build's tests remove them again for every country and language). Their dates are checked against independent reckonings: the Hebrew
// one of compute/hebrew_reference.h, and for the feasts Julian day numbers
// counted in the calendar of each year.

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <iterator>
#include <ostream>
#include <set>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "caldata/cal_database.h"
#include "compute/date_arithmetic.h"
#include "compute/easter.h"
#include "generators/christian_days.h"
#include "generators/jewish_days.h"
#include "support/hebrew_reference.h"
#include "compute/language_table.h"
#include "support/store_snapshot.h"

namespace tessolar {

namespace {

constexpr int kMexico = 4;  // keeps eight of the feasts
constexpr int kGermany = 6;

using Generator = int (*)(CCalDatabase&, int, int);
using Day = std::tuple<std::string, int, int>;  // name, month 0-based, day

std::set<Day> DaysOfType(const CCalDatabase& db, uint32_t type) {
  std::set<Day> days;
  for (const CalEntry& e : support::Snapshot(db)) {
    if (e.type == type) days.insert({e.description, e.month, e.day});
  }
  return days;
}

// User entries on distinct days (so that sorting meets no ties among them),
// some on the days of computed ones and some named like them.
void AddUserEntries(CCalDatabase& db, int year) {
  db.SetClipartDirectory("/clipart/");
  db.SaveHolidayData(0, 1, year, kBirthday, "Ada", "ada.jpg", 0, 1);
  db.SaveHolidayData(3, 8, year, kPersonalEvent, "Passover", "seder.jpg", 0, 0);
  db.SaveHolidayData(8, 13, year, kAnniversary, "Easter Sunday", "null", 1, 0);
  db.SaveHolidayData(11, 5, year, kPersonalEvent, "Hanukkuh", "null", 0, 0);
}

class HolidayGenerators : public ::testing::Test {
 protected:
  void TearDown() override {
    SetLanguageIndex(0);
    SetCountryIndex(0);
  }
};

TEST_F(HolidayGenerators, JewishDaysOf2007) {
  CCalDatabase db;
  db.SetClipartDirectory("/art/");
  GenerateJewishDays(db, 2007, 0);
  const std::set<Day> expected = {{"Passover", 3, 2},
                                  {"Yom Hashoah", 3, 15},
                                  {"Rosh Hashanah", 8, 13},
                                  {"Yom Kippur", 8, 22},
                                  {"Hanukkah", 11, 5}};
  EXPECT_EQ(DaysOfType(db, kHebrewHoliday), expected);
  std::set<std::string> pictures;
  for (const CalEntry& e : support::Snapshot(db)) pictures.insert(e.pictureFile);
  EXPECT_EQ(pictures, (std::set<std::string>{"/art/rosh_hashana1.gif", "/art/yom_kippur1.jpg",
                                             "/art/passover1.gif", "/art/dove_2.jpg",
                                             "/art/menora2_tr.gif"}));
}

// 25 Kislev drifts later over the centuries: it falls on 31 December of the
// leap year 2936, and from 3032 on often both in early January and in late
// December of one year.
TEST_F(HolidayGenerators, JewishDaysOfEveryAcceptedYearMatchTheReference) {
  const struct {
    const char* name;
    int month, day;  // reference months: Nisan 1, Tishri 7, Kislev 9
  } holidays[] = {{"Rosh Hashanah", 7, 1},
                  {"Yom Kippur", 7, 10},
                  {"Passover", 1, 14},
                  {"Yom Hashoah", 1, 27},
                  {"Hanukkah", 9, 25}};
  for (int year = 1775; year <= 4000; ++year) {
    std::set<Day> expected;
    for (int hebrewYear = year + 3760; hebrewYear <= year + 3761; ++hebrewYear) {
      for (const auto& h : holidays) {
        const CivilDate d =
            JulianDayToDate(hebrew_reference::JulianDayOf(hebrewYear, h.month, h.day));
        if (d.year == year) expected.insert({h.name, d.month - 1, d.day});
      }
    }
    CCalDatabase db;
    GenerateJewishDays(db, year, 0);
    ASSERT_EQ(DaysOfType(db, kHebrewHoliday), expected) << year;
    if (year == 2936) {
      EXPECT_EQ(expected.count({"Hanukkah", 11, 31}), 1u);
    } else if (year == 3032) {
      EXPECT_EQ(expected.size(), 6u);
    }
  }
}

TEST_F(HolidayGenerators, ChristianDaysOf2007ByCountry) {
  const struct {
    int entry, month, day;
    const char* picture;
  } feasts[] = {{49, 3, 8, "bunnies.gif"},      {50, 3, 9, "bunny2.gif"},
                {51, 1, 21, "madonna2.jpg"},    {52, 1, 20, "mardi_gras1.jpg"},
                {53, 3, 1, "palm_sunday1.gif"}, {54, 3, 6, "good_friday1_tr.gif"},
                {55, 4, 17, "ascension.jpg"},   {58, 5, 7, "christ_cross.jpg"},
                {56, 4, 27, "pentecost.jpg"},   {57, 4, 28, "st_nicholas.jpg"}};
  for (int country = 0; country < kCountryCount; ++country) {
    SetCountryIndex(country);
    CCalDatabase db;
    GenerateChristianDays(db, 2007, 0);
    const size_t kept = country == kGermany ? 10 : country == kMexico ? 8 : 6;
    std::set<Day> expected;
    std::set<std::string> pictures;
    for (size_t i = 0; i < kept; ++i) {
      expected.insert({LanguageString(feasts[i].entry), feasts[i].month, feasts[i].day});
      pictures.insert(feasts[i].picture);
    }
    EXPECT_EQ(DaysOfType(db, kChristianHoliday), expected) << country;
    for (const CalEntry& e : support::Snapshot(db))
      EXPECT_EQ(pictures.count(e.pictureFile), 1u) << e.pictureFile;
  }
}

// Julian day number of a date (month 1..12) of the Julian or the Gregorian
// calendar (Meeus, "Astronomical Algorithms", chapter 7).
long DayNumber(long year, int month, int day, bool julianCalendar) {
  if (month <= 2) {
    year -= 1;
    month += 12;
  }
  const long b = julianCalendar ? 0 : 2 - year / 100 + year / 400;
  return static_cast<long>(365.25 * (year + 4716)) + static_cast<long>(30.6001 * (month + 1)) +
         day + b - 1524;
}

TEST_F(HolidayGenerators, EveryFeastLiesItsOffsetFromEasterInEveryStoredYear) {
  const std::pair<int, int> offsets[] = {{49, 0},  {50, 1},  {51, -46}, {52, -47}, {53, -7},
                                         {54, -2}, {55, 39}, {56, 49},  {57, 50},  {58, 60}};
  SetCountryIndex(kGermany);
  for (int year = 1; year <= 9998; ++year) {
    CCalDatabase db;
    GenerateChristianDays(db, year, 0);
    ASSERT_EQ(db.Count(), 10u) << year;
    const bool julian = year <= kLastJulianEasterYear;  // and so is February of 1700
    const EasterDate easter = EasterSunday(year);
    const long easterDay = DayNumber(year, easter.month + 1, easter.day, julian);
    for (const CalEntry& e : support::Snapshot(db)) {
      const auto row = std::find_if(std::begin(offsets), std::end(offsets), [&](auto& o) {
        return LanguageString(o.first) == e.description;
      });
      ASSERT_NE(row, std::end(offsets)) << e.description;
      ASSERT_EQ(e.year, year);
      ASSERT_EQ(DayNumber(year, e.month + 1, e.day, julian), easterDay + row->second)
          << year << " " << e.description;
    }
  }
}

TEST_F(HolidayGenerators, AddingTwiceLeavesOneSet) {
  SetCountryIndex(kGermany);
  for (int year : {1700, 1752, 2007, 2936, 3032, 3051, 4000}) {
    for (Generator generate : {&GenerateJewishDays, &GenerateChristianDays}) {
      CCalDatabase db;
      AddUserEntries(db, year);
      generate(db, year, 0);
      db.SortAndCompact();
      const std::vector<CalEntry> once = support::Snapshot(db);
      generate(db, year, 0);
      db.SortAndCompact();
      EXPECT_EQ(support::Snapshot(db), once) << year;
    }
  }
}

TEST_F(HolidayGenerators, YearsTheStoreCannotHoldAreLeftAlone) {
  for (int year : {INT_MIN, -2007, 0, 9999, 32768, INT_MAX}) {
    for (Generator generate : {&GenerateJewishDays, &GenerateChristianDays}) {
      for (int remove : {0, 1}) {
        CCalDatabase db;
        AddUserEntries(db, 2007);
        const std::vector<CalEntry> before = support::Snapshot(db);
        EXPECT_EQ(generate(db, year, remove), 0);
        EXPECT_EQ(support::Snapshot(db), before) << year;
      }
    }
  }
}

}  // namespace
}  // namespace tessolar
