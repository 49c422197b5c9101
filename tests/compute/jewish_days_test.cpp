// Jewish holidays entered into and removed from the store, their days checked
// against the independent Hebrew reckoning of tests/compute/hebrew_reference.h.

#include <gtest/gtest.h>

#include <climits>
#include <set>
#include <string>
#include <tuple>

#include "caldata/cal_database.h"
#include "compute/date_arithmetic.h"
#include "compute/generators/jewish_days.h"
#include "compute/hebrew_reference.h"
#include "compute/language_table.h"
#include "compute/store_snapshot.h"

namespace tessolar {
namespace {

using testing_store::AddUserEntries;
using testing_store::Slots;

struct Holiday {
  const char* name;
  int month;  // reference numbering: Nisan 1, Tishri 7, Kislev 9
  int day;
};
constexpr Holiday kHolidays[] = {{"Rosh Hashana", 7, 1},
                                 {"Yom Kippur", 7, 10},
                                 {"Passover", 1, 14},
                                 {"Yom Hashoah", 1, 27},
                                 {"Hanukkuh", 9, 25}};

using Day = std::tuple<std::string, int, int>;  // name, month 0-based, day

// The holidays that fall in Gregorian `year`, by the reference reckoning.
std::set<Day> ExpectedDays(int year) {
  std::set<Day> days;
  for (int hebrewYear = year + 3759; hebrewYear <= year + 3761; ++hebrewYear) {
    for (const Holiday& h : kHolidays) {
      const CivilDate date =
          JulianDayToDate(hebrew_reference::JulianDayOf(hebrewYear, h.month, h.day));
      if (date.year == year) days.insert({h.name, date.month - 1, date.day});
    }
  }
  return days;
}

std::set<Day> HebrewHolidaysIn(const CCalDatabase& db, int year) {
  std::set<Day> days;
  for (const CalEntry& e : Slots(db)) {
    if (e.type == kHebrewHoliday && e.year == year && e.description != "Hanukkah party") {
      days.insert({e.description, e.month, e.day});
    }
  }
  return days;
}

TEST(JewishDays, Year2007) {
  CCalDatabase db;
  db.SetClipartDirectory("/art/");
  GenerateJewishDays(db, 2007, 0);
  const std::set<Day> expected = {{"Passover", 3, 2},
                                  {"Yom Hashoah", 3, 15},
                                  {"Rosh Hashana", 8, 13},
                                  {"Yom Kippur", 8, 22},
                                  {"Hanukkuh", 11, 5}};
  EXPECT_EQ(HebrewHolidaysIn(db, 2007), expected);
  ASSERT_EQ(db.Count(), 5u);
  const std::set<std::string> pictures = {"/art/rosh_hashana1.gif", "/art/yom_kippur1.jpg",
                                          "/art/passover1.gif", "/art/dove_2.jpg",
                                          "/art/menora2_tr.gif"};
  for (const CalEntry& e : Slots(db)) EXPECT_EQ(pictures.count(e.pictureFile), 1u) << e.pictureFile;
}

// 25 Kislev drifts later over the centuries: on 31 December of the leap year
// 2936, and from 3032 on both in early January and in late December of one year.
TEST(JewishDays, EveryAcceptedYearMatchesTheReference) {
  for (int year = 1775; year <= 4000; ++year) {
    CCalDatabase db;
    GenerateJewishDays(db, year, 0);
    ASSERT_EQ(HebrewHolidaysIn(db, year), ExpectedDays(year)) << year;
  }
  EXPECT_EQ(ExpectedDays(2936).count({"Hanukkuh", 11, 31}), 1u);
  EXPECT_EQ(ExpectedDays(3032).size(), 6u);
}

TEST(JewishDays, RemovingAfterAddingRestoresEverySlot) {
  for (int language = 0; language < kLanguageCount; ++language) {
    SetLanguageIndex(language);
    for (int year = 1800; year <= 2200; ++year) {
      for (int y : {year, year + 1200}) {  // the second range reaches the doubled Hanukkah
        CCalDatabase db;
        AddUserEntries(db, y);
        const std::vector<CalEntry> before = Slots(db);
        GenerateJewishDays(db, y, 0);
        db.SortAndCompact();
        ASSERT_GE(db.Count(), before.size() + 4);
        GenerateJewishDays(db, y, 1);
        db.SortAndCompact();
        ASSERT_EQ(Slots(db), before) << language << " " << y;
      }
    }
  }
  SetLanguageIndex(0);
}

TEST(JewishDays, AddingTwiceLeavesOneSet) {
  for (int year : {2007, 2936, 3032, 3051, 4000}) {
    CCalDatabase db;
    AddUserEntries(db, year);
    GenerateJewishDays(db, year, 0);
    db.SortAndCompact();
    const std::vector<CalEntry> once = Slots(db);
    EXPECT_EQ(HebrewHolidaysIn(db, year), ExpectedDays(year)) << year;
    GenerateJewishDays(db, year, 0);
    db.SortAndCompact();
    EXPECT_EQ(Slots(db), once) << year;
  }
}

TEST(JewishDays, YearsTheStoreCannotHoldAreLeftAlone) {
  for (int year : {INT_MIN, -1, 0, 9999, 32768, INT_MAX}) {
    for (int remove : {0, 1}) {
      CCalDatabase db;
      AddUserEntries(db, 2007);
      const std::vector<CalEntry> before = Slots(db);
      EXPECT_EQ(GenerateJewishDays(db, year, remove), 0);
      EXPECT_EQ(Slots(db), before) << year;
    }
  }
}

}  // namespace
}  // namespace tessolar
