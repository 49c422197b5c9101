#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <random>
#include <string>
#include <tuple>
#include <vector>

#include "caldata/cal_database.h"
#include "caldata/captions.h"
#include "support/store_snapshot.h"

namespace tessolar {
namespace {

CalEntry Make(int month, int day, int year, const std::string& description) {
  CalEntry e;
  e.month = static_cast<uint8_t>(month);
  e.day = static_cast<uint8_t>(day);
  e.year = static_cast<int16_t>(year);
  e.type = kBirthday;
  e.description = description;
  e.pictureFile = "null";
  return e;
}

std::string Descriptions(const CCalDatabase& db) {
  std::string all;
  for (uint32_t i = 0; i < db.Count(); ++i) all += db.EntryAt(i)->description;
  return all;
}

void ExpectSortedAndIndexed(const CCalDatabase& db) {
  for (uint32_t i = 0; i < db.Count(); ++i) {
    const CalEntry& e = *db.EntryAt(i);
    ASSERT_EQ(e.index, i);
    ASSERT_NE(e.month, kDeletedMark);
    if (i == 0) continue;
    const CalEntry& p = *db.EntryAt(i - 1);
    ASSERT_LE(std::make_tuple(p.month, p.day, p.year), std::make_tuple(e.month, e.day, e.year));
  }
}

TEST(CalDatabase, TheFiveHundredAndFirstEntryIsNotStoredAndBadDaysNever) {
  CCalDatabase db;
  db.SaveHolidayData(12, 1, 2007, kBirthday, "m12", "x.gif", 0, 1);
  db.SaveHolidayData(0, 0, 2007, kBirthday, "d0", "x.gif", 0, 1);
  db.SaveHolidayData(0, 1, 0, kBirthday, "y0", "x.gif", 0, 1);
  EXPECT_EQ(db.Count(), 0u);
  for (uint32_t i = 0; i < kMaxEntries; ++i)
    db.SaveHolidayData(Make(i % 12, i % 28 + 1, 1900, "p"));
  EXPECT_EQ(db.SaveHolidayData(0, 1, 2007, kBirthday, "late", "null", 0, 1), kMaxEntries);
  EXPECT_EQ(db.SaveHolidayData(Make(0, 1, 2007, "late")), kMaxEntries);
  EXPECT_EQ(db.ReplaceHolidayData(0, 1, 2007, kNationalHoliday, "late", "null"), kMaxEntries);
  EXPECT_EQ(db.Count(), kMaxEntries);
  // What does not fit counts as left out, until the calendar is reset.
  EXPECT_EQ(db.AppendEntries({Make(0, 2, 2007, "a"), Make(0, 3, 2007, "b")}), 0u);
  EXPECT_EQ(db.EntriesLeftOut(), 2u);
  db.ResetDatabase();
  EXPECT_EQ(db.EntriesLeftOut(), 0u);
}

// A stable sort by date: entries of one day and year keep the order they were
// added in, also when an entry of another day is added or one deleted; the
// same whether entries come one at a time or all at once, as a file brings them.
TEST(CalDatabase, SortingKeepsTiesInTheOrderTheyCameAndDropsDeletedEntries) {
  CCalDatabase db, february;
  for (const CalEntry& e : {Make(0, 1, 2000, "b"), Make(1, 2, 2000, "x"), Make(0, 1, 2000, "a"),
                            Make(0, 1, 1999, "c")}) {
    db.SaveHolidayData(e);
  }
  EXPECT_EQ(Descriptions(db), "cbax");
  for (const CalEntry& e : {Make(0, 5, 2000, "A"), Make(1, 2, 2000, "X"), Make(1, 2, 2000, "Y"),
                            Make(0, 9, 2000, "Z")}) {
    february.SaveHolidayData(e);
  }
  EXPECT_EQ(Descriptions(february), "AZXY");
  std::mt19937 rng(7);
  for (int round = 0; round < 50; ++round) {
    CCalDatabase oneByOne, atOnce;
    std::vector<CalEntry> added;
    const int n = 1 + static_cast<int>(rng() % 120);
    for (int i = 0; i < n; ++i) {
      added.push_back(Make(rng() % 12, 1 + rng() % 3, 2000 + static_cast<int>(rng() % 2),
                           std::to_string(i) + ","));
      oneByOne.SaveHolidayData(added.back());
    }
    atOnce.AppendEntries(added);
    EXPECT_EQ(Descriptions(atOnce), Descriptions(oneByOne));
    std::vector<CalEntry> kept;
    for (const CalEntry& e : added) {
      if (rng() % 3 == 0) {
        oneByOne.RemoveHolidayData(e.month, e.day, e.year, e.type, e.description, e.pictureFile);
      } else {
        kept.push_back(e);
      }
    }
    oneByOne.SortAndCompact();
    std::stable_sort(kept.begin(), kept.end(), [](const CalEntry& a, const CalEntry& b) {
      return std::tie(a.month, a.day, a.year) < std::tie(b.month, b.day, b.year);
    });
    std::string expected;
    for (const CalEntry& e : kept) expected += e.description;
    ASSERT_EQ(Descriptions(oneByOne), expected);
    ExpectSortedAndIndexed(oneByOne);
  }
}

// Ordinal suffix by the English rule: "th" for 11..13 themselves, else by the last digit.
std::string ReferenceOrdinal(int n) {
  const char* suffixes[] = {"th", "st", "nd", "rd", "th", "th", "th", "th", "th", "th"};
  return std::to_string(n) + (n >= 11 && n <= 13 ? "th" : suffixes[n % 10]);
}

using Captions = support::CalendarTest;  // calendar year 2007

TEST_F(Captions, CaptionsByTypeAgeAndLength) {
  EXPECT_EQ(AnniversaryOrdinal(db_, 2010), "unk");
  for (int n = 1; n <= 400; ++n)
    EXPECT_EQ(AnniversaryOrdinal(db_, 2007 - n), ReferenceOrdinal(n)) << n;
  // Every case of each language: anniversaries of one year, of many and of none yet,
  // birthdays without and with ages of one and of many, of one person and of several.
  const struct {
    int language;
    uint32_t type;
    int year, showAge;
    const char *description, *caption;
  } cases[] = {
      {0, kNationalHoliday, 1950, 1, "Plain", "Plain"},
      {0, kHistoricalEvent, -44, 0, "Caesar", "Caesar 44 BCE"},
      {0, kBirthday, 1950, 0, "Ann", "Ann's B'day"},
      {0, 12, 1950, 0, "Ann", "Ann's UNKNOWN"},
      {0, kBirthday, 1950, 1, "Ann & Bob", "Ann & Bob turn 57"},
      {0, kBirthday, 2007, 1, "Ann", "Ann is born"},
      // Anniversaries drop their word past 16 characters, counted as characters, not bytes.
      {0, kAnniversary, 1982, 0, "Ann & Bob", "Ann & Bob's 25th"},
      {0, kAnniversary, 2006, 0, "Zoëy", "Zoëy's 1st Anniv"},
      {0, kSoberAnniversary, 1982, 0, "Ann & Bob", "Ann & Bob's 25th AA"},
      {2, kBirthday, 1950, 1, "Ann", "Ann wird 57"},
      {2, kAnniversary, 2006, 0, "Zoëy", "Zoëy's 1st Anniv"},
      {3, kAnniversary, 2006, 0, "Léa & Luc", "Léa & Luc\u00a0: 1er anniv."},
      {3, kAnniversary, 1982, 0, "Léa & Luc", "Léa & Luc\u00a0: 25e anniv."},
      {3, kAnniversary, 2007, 0, "Léa & Luc", "Léa & Luc\u00a0: mariage"},
      {3, kSoberAnniversary, 2005, 0, "Marc", "Marc\u00a0: 2e anniv. AA"},
      {3, kSoberAnniversary, 2007, 0, "Marc", "Marc\u00a0: 1re année AA"},
      {3, kBirthday, 1950, 0, "Marie", "Marie\u00a0: anniversaire"},
      {3, 12, 1950, 0, "Marie", "Marie\u00a0: type inconnu"},
      {3, kHistoricalEvent, -44, 0, "César", "César 44 av. J.-C."},
      {3, kBirthday, 2006, 1, "Marie", "Marie a 1 an"},
      {3, kBirthday, 2000, 1, "Léa & Luc", "Léa & Luc ont 7 ans"},
      {3, kBirthday, 2007, 1, "Marie", "Marie naît"},
      {3, kBirthday, 2007, 1, "Léa & Luc", "Léa & Luc naissent"},
      {4, kAnniversary, 2006, 0, "Jan & Els", "Jan & Els 1e trouwdag"},
      {4, kAnniversary, 2007, 0, "Jan & Els", "Jan & Els: trouwdag"},
      {4, kSoberAnniversary, 1982, 0, "Piet", "Piet 25 jaar nuchter"},
      {4, kSoberAnniversary, 2007, 0, "Piet", "Piet: eerste jaar nuchter"},
      {4, kBirthday, 1950, 0, "Jan", "Jan jarig"},
      {4, 12, 1950, 0, "Jan", "Jan: onbekend type"},
      {4, kHistoricalEvent, -44, 0, "Caesar", "Caesar 44 v.Chr."},
      {4, kBirthday, 2000, 1, "Jan", "Jan wordt 7"},
      {4, kBirthday, 2000, 1, "Jan & Els", "Jan & Els worden 7"},
      {4, kBirthday, 2007, 1, "Jan", "Jan wordt geboren"},
      {4, kBirthday, 2007, 1, "Jan & Els", "Jan & Els worden geboren"},
      {5, kAnniversary, 2006, 0, "Luca & Sara", "Luca & Sara: 1° di nozze"},
      {5, kAnniversary, 2007, 0, "Luca & Sara", "Luca & Sara: matrimonio"},
      {5, kSoberAnniversary, 1982, 0, "Gino", "Gino: 25° compleanno AA"},
      {5, kSoberAnniversary, 2007, 0, "Gino", "Gino: primo anno AA"},
      {5, kBirthday, 1950, 0, "Luca", "Luca: compleanno"},
      {5, 12, 1950, 0, "Luca", "Luca: tipo sconosciuto"},
      {5, kHistoricalEvent, -44, 0, "Cesare", "Cesare 44 a.C."},
      {5, kBirthday, 2006, 1, "Luca", "Luca compie 1 anno"},
      {5, kBirthday, 2000, 1, "Luca & Sara", "Luca & Sara compiono 7 anni"},
      {5, kBirthday, 2007, 1, "Luca", "Luca nasce"},
      {5, kBirthday, 2007, 1, "Luca & Sara", "Luca & Sara nascono"},
  };
  for (const auto& c : cases) {
    db_.SetLanguage(c.language);
    EXPECT_EQ(EntryCaption(db_, c.type, c.year, c.description, c.showAge, 0), c.caption)
        << c.language << " " << c.type;
  }
}

TEST_F(Captions, ShownEntriesSkipLaterYearsHiddenEntriesAndOtherYearsRemindersAndFallBack) {
  db_.SetClipartDirectory("/clip/");
  const std::string existing = std::string(TESSOLAR_TEST_DATA) + "/pictures/screen_320x240.gif";
  db_.SaveHolidayData(2, 5, 2010, kBirthday, "Later", "null", 0, 0);
  db_.SaveHolidayData(2, 5, 1990, kPersonalEvent, "Hidden", "null", 1, 0);
  db_.SaveHolidayData(2, 5, 2006, kReminder, "Last year's reminder", "null", 0, 0);
  db_.SaveHolidayData(2, 5, 2007, kNationalHoliday, "Holiday", "/nowhere/gone.gif", 0, 0);
  db_.SaveHolidayData(2, 5, 1950, kBirthday, "Ann", "/nowhere/gone.gif", 0, 1);
  db_.SaveHolidayData(2, 5, 2007, kReminder, "Dentist", existing, 0, 0);
  db_.SortAndCompact();
  // Store order within the day is by year.
  const struct {
    const char *caption, *name;
    std::string picture;
  } expected[] = {{"Ann turns 57", "Ann", "/clip/birthday_bear.gif"},
                  {"Holiday", "Holiday", "null"},
                  {"Dentist", "Dentist", existing}};
  const std::vector<CalEntry> shown = db_.GetEntriesOfDay(2, 5);
  ASSERT_EQ(shown.size(), 3u);
  const auto exists = [](const std::string& path) { return std::filesystem::exists(path); };
  for (int k = 0; k < 3; ++k) {
    EXPECT_EQ(EntryCaption(db_, shown[k]), expected[k].caption);
    EXPECT_EQ(EntryPicture(db_, shown[k], exists), expected[k].picture);
    EXPECT_EQ(db_.EntryAt(shown[k].index)->description, expected[k].name);
  }
}

TEST(CaptionWidth, WeighsCharactersNotBytes) {
  const std::pair<const char*, int> cases[] = {
      {"Will", 8}, {"Mill", 7}, {"tW", 7}, {", .'jt", 10}, {"Ñandú", 15}, {"\xff\xfe", 6}, {"", 0}};
  for (const auto& [text, width] : cases) EXPECT_EQ(CaptionWidth(text), width) << text;
}

}  // namespace
}  // namespace tessolar
