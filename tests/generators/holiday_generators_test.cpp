// The Jewish and the Easter-based days entered into the store, against
// independent reckonings: the Hebrew calendar of support/hebrew_reference.h,
// and Julian day numbers counted in the calendar of each year for the feasts.

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <string>
#include <tuple>

#include "compute/date_arithmetic.h"
#include "compute/easter.h"
#include "compute/language_table.h"
#include "generators/christian_days.h"
#include "generators/jewish_days.h"
#include "pages/page_text.h"
#include "support/hebrew_reference.h"
#include "support/store_snapshot.h"

namespace tessolar {
namespace {

constexpr int kGermany = 6;  // keeps all ten feasts

using Generator = void (*)(CCalDatabase&, int, bool);
using Day = std::tuple<std::string, int, int, std::string>;  // name, month 0-based, day, picture

std::set<Day> DaysOf(const CCalDatabase& db) {
  std::set<Day> days;
  for (const CalEntry& e : support::Snapshot(db)) {
    days.insert({e.description, e.month, e.day, e.pictureFile});
  }
  return days;
}

using HolidayGenerators = support::CalendarTest;

// The days of a fixed Hebrew date in every year the store takes. 25 Kislev
// drifts later over the centuries: it falls on 31 December of the leap year
// 2936, and from 3032 on often both in early January and in late December of
// one year.
TEST_F(HolidayGenerators, JewishDaysOfEveryAcceptedYearMatchTheReference) {
  const struct {
    const char *name, *picture;
    int month, day;  // reference months: Nisan 1, Tishri 7, Kislev 9
  } holidays[] = {{"Rosh Hashanah", "rosh_hashana1.gif", 7, 1},
                  {"Yom Kippur", "yom_kippur1.jpg", 7, 10},
                  {"Passover", "passover1.gif", 1, 14},
                  {"Hanukkah", "menora2_tr.gif", 9, 25}};
  for (int year = 1775; year <= 4000; ++year) {
    std::set<Day> expected;
    for (int hebrewYear = year + 3760; hebrewYear <= year + 3761; ++hebrewYear) {
      for (const auto& h : holidays) {
        const CivilDate d =
            JulianDayToDate(hebrew_reference::JulianDayOf(hebrewYear, h.month, h.day));
        if (d.year != year) continue;
        expected.insert({h.name, d.month - 1, d.day, std::string("/art/") + h.picture});
      }
    }
    CCalDatabase db;
    db.SetClipartDirectory("/art/");
    GenerateJewishDays(db, year, 0);
    std::set<Day> fixed;
    for (const Day& day : DaysOf(db)) {
      for (const auto& h : holidays) {
        if (std::get<0>(day) == h.name) fixed.insert(day);
      }
    }
    ASSERT_EQ(fixed, expected) << year;
  }
}

// Every Jewish day of 1990-2040, fasts, second days and the days Israel's law
// moves included, against hebcal's dates for the Diaspora
// (tests/data/jewish_days_1990_2040.tsv, made by tools/jewish_reference.sh).
TEST_F(HolidayGenerators, TheJewishYearInFullMatchesHebcal) {
  std::ifstream table(std::string(TESSOLAR_TEST_DATA) + "/jewish_days_1990_2040.tsv");
  ASSERT_TRUE(table.good());
  std::map<int, std::set<std::string>> expected;
  for (std::string line; std::getline(table, line);) {
    if (line.empty() || line[0] == '#') continue;
    expected[std::stoi(line.substr(0, 4))].insert(line);
  }
  ASSERT_EQ(expected.size(), 51u);
  // hebcal moves Yom HaShoah off a Sunday in every year; Israel's law has
  // done so only since 1997, so 1990 and 1993 kept it on the Sunday.
  for (const auto& [monday, sunday] : {std::pair{"1990-04-23", "1990-04-22"},
                                       std::pair{"1993-04-19", "1993-04-18"}}) {
    std::set<std::string>& days = expected[std::stoi(monday)];
    ASSERT_EQ(days.erase(std::string(monday) + "\tYom Hashoah"), 1u);
    days.insert(std::string(sunday) + "\tYom Hashoah");
  }
  for (const auto& [year, days] : expected) {
    CCalDatabase db;
    GenerateJewishDays(db, year, false);
    std::set<std::string> ours;
    for (const CalEntry& e : support::Snapshot(db)) {
      ours.insert(Printf("%04d-%02d-%02d\t", year, e.month + 1, e.day) + e.description);
    }
    EXPECT_EQ(ours, days) << year;
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

// The feasts in the generator's order: language entry, picture, and the date
// a church calendar gives for 2024, whose Easter Sunday is 31 March.
const struct Feast {
  int entry;
  const char* picture;
  int month, day;  // of 2024
} kFeasts[] = {{lang::kEasterSunday, "bunnies.gif", 3, 31},
               {lang::kEasterMonday, "bunny2.gif", 4, 1},
               {lang::kAshWednesday, "madonna2.jpg", 2, 14},
               {lang::kShroveTuesday, "mardi_gras1.jpg", 2, 13},
               {lang::kPalmSunday, "palm_sunday1.gif", 3, 24},
               {lang::kGoodFriday, "good_friday1_tr.gif", 3, 29},
               {lang::kAscensionDay, "ascension.jpg", 5, 9},
               {lang::kCorpusChristi, "christ_cross.jpg", 5, 30},
               {lang::kPentecost, "pentecost.jpg", 5, 19},
               {lang::kWhitMonday, "st_nicholas.jpg", 5, 20}};

// Days from Easter Sunday to the feast, as 2024 has them.
long OffsetFromEaster(const Feast& feast) {
  return DayNumber(2024, feast.month, feast.day, false) - DayNumber(2024, 3, 31, false);
}

// Every country keeps the first six; these the feasts they keep besides.
constexpr int kAscension = lang::kAscensionDay;
const std::set<int> kWhitsun = {kAscension, lang::kPentecost, lang::kWhitMonday};
const std::set<int> kAllFour = {kAscension, lang::kPentecost, lang::kWhitMonday,
                                lang::kCorpusChristi};
const std::set<int> kFeastsBesides[kCountryCount] = {
    {},       {},       {}, {},       {kAscension, lang::kCorpusChristi},
    {},       kAllFour, {}, kWhitsun, kWhitsun,
    kWhitsun, {},       {}, kAllFour};

TEST_F(HolidayGenerators, EachCountryKeepsItsFeastsWithTheirPictures) {
  for (int country = 0; country < kCountryCount; ++country) {
    CCalDatabase db;
    db.SetCountry(country);
    GenerateChristianDays(db, 2007, 0);
    std::set<std::pair<std::string, std::string>> kept, expected;
    for (const CalEntry& e : support::Snapshot(db)) kept.insert({e.description, e.pictureFile});
    for (const Feast& feast : kFeasts) {
      if (feast.entry < kAscension || kFeastsBesides[country].count(feast.entry) != 0) {
        expected.insert({LanguageString(0, feast.entry), feast.picture});
      }
    }
    if (country == 3) expected.insert({"Easter Saturday", "null"});  // Australia's own
    EXPECT_EQ(kept, expected) << country;
  }
}

// Each feast lies as far from Easter Sunday as in 2024, in every year the
// store holds.
TEST_F(HolidayGenerators, EveryFeastLiesItsOffsetFromEasterInEveryStoredYear) {
  for (int year = 1; year <= 9998; ++year) {
    CCalDatabase db;
    db.SetCountry(kGermany);
    GenerateChristianDays(db, year, 0);
    ASSERT_EQ(db.Count(), 10u) << year;
    const bool julian = year <= kLastJulianEasterYear;  // and so is February of 1700
    const EasterDate easter = EasterSunday(year);
    const long easterDay = DayNumber(year, easter.month + 1, easter.day, julian);
    for (const CalEntry& e : support::Snapshot(db)) {
      const auto row = std::find_if(std::begin(kFeasts), std::end(kFeasts), [&](const Feast& f) {
        return LanguageString(0, f.entry) == e.description;
      });
      ASSERT_NE(row, std::end(kFeasts)) << e.description;
      ASSERT_EQ(e.year, year);
      ASSERT_EQ(DayNumber(year, e.month + 1, e.day, julian), easterDay + OffsetFromEaster(*row))
          << year << " " << e.description;
    }
  }
}

TEST_F(HolidayGenerators, AddingTwiceLeavesOneSetAndYearsTheStoreCannotHoldAreLeftAlone) {
  for (Generator generate : {&GenerateJewishDays, &GenerateChristianDays}) {
    for (int year : {1700, 1752, 2007, 2936, 3032, 3051, 4000}) {
      CCalDatabase db;
      db.SetCountry(kGermany);
      support::AddUserEntries(db);
      generate(db, year, 0);
      db.SortAndCompact();
      const std::vector<CalEntry> once = support::Snapshot(db);
      generate(db, year, 0);
      db.SortAndCompact();
      EXPECT_EQ(support::Snapshot(db), once) << year;
    }
    for (int year : {INT_MIN, -2007, 0, 9999, 32768, INT_MAX}) {
      for (bool remove : {false, true}) {
        CCalDatabase db;
        support::AddUserEntries(db);
        const std::vector<CalEntry> before = support::Snapshot(db);
        generate(db, year, remove);
        EXPECT_EQ(support::Snapshot(db), before) << year;
      }
    }
  }
}

}  // namespace
}  // namespace tessolar
