#include <gtest/gtest.h>

#include <random>
#include <string>
#include <tuple>

#include "caldata/cal_database.h"
#include "caldata/data_paths.h"
#include "compute/date_arithmetic.h"
#include "compute/language_table.h"

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
    ASSERT_LE(std::make_tuple(p.month, p.day, p.year), std::make_tuple(e.month, e.day, e.year)) << i;
  }
}

TEST(CalDatabase, SettersRefuseValuesOutsideTheirLimitsAndResetKeepsTheTitleStyle) {
  CCalDatabase db;
  db.SetTitleFontSize(200);
  db.SetTitleFontSize(257);
  db.SetTitleXPos(1026);
  db.SetTitleYPos(926);
  db.SetTitleWidth(1026);
  db.SetTitlePictureIndex(13);
  db.SetTitleFontColor("");
  db.SetBigPicture(12, "x.jpg", "x");
  EXPECT_EQ(std::make_tuple(db.TitleFontSize(), db.TitleXPos(), db.TitleYPos(), db.TitleWidth(),
                            db.TitlePictureIndex(), db.TitleFontColor()),
            std::make_tuple(200u, 50u, 50u, 700u, 0u, std::string("gray")));
  EXPECT_EQ(db.BigPictureAt(12).pictureFile, "");
  EXPECT_FALSE(db.AddExcludedDay({12, 1, "month 12"}));
  EXPECT_FALSE(db.AddExcludedDay({0, 0, "day 0"}));
  for (size_t i = 0; i < kMaxExcludedDays; ++i) EXPECT_TRUE(db.AddExcludedDay({0, 1, "x"}));
  EXPECT_FALSE(db.AddExcludedDay({0, 1, "one too many"}));

  db.SetHebrew(true);
  db.SetClipartDirectory("/clip/");
  db.SetYear(2030);
  db.SetTitle("Family");
  db.SetBigPicture(3, "a.jpg", "A");
  db.SaveHolidayData(Make(0, 1, 2000, "a"));
  SetLanguageIndex(2);
  db.ResetDatabase();
  SetLanguageIndex(0);
  EXPECT_EQ(std::make_tuple(db.TitleFontSize(), db.Hebrew(), db.ClipartDirectory()),
            std::make_tuple(200u, true, std::string("/clip/")));
  EXPECT_EQ(std::make_tuple(db.Year(), db.Title(), db.Count()), std::make_tuple(2007, std::string("Blank Title"), 0u));
  EXPECT_EQ(db.BigPictureAt(3), BigPicture{});
  EXPECT_TRUE(db.ExcludedDays().empty());
  // The astronomical type takes its name from the language current at reset.
  EXPECT_EQ(db.TypeName(kAstronomicalDay), LanguageStringOf(2, 63));
  EXPECT_EQ(db.TypeName(99), "");
}

TEST(CalDatabase, AddingChecksItsArgumentsResolvesPicturesAndStopsAtFiveHundred) {
  CCalDatabase db;
  db.SetClipartDirectory("/clip/");
  db.SaveHolidayData(12, 1, 2007, kBirthday, "m12", "x.gif", 0, 1);
  db.SaveHolidayData(0, 0, 2007, kBirthday, "d0", "x.gif", 0, 1);
  db.SaveHolidayData(0, 1, 0, kBirthday, "y0", "x.gif", 0, 1);
  EXPECT_EQ(db.Count(), 0u);
  const struct {
    const char *picture, *stored;
  } pictures[] = {{"", "/clip/"}, {"pics/a.gif", "pics/a.gif"}, {"C:\\b.gif", "C:\\b.gif"}, {"c.gif", "/clip/c.gif"}};
  for (const auto& p : pictures) {
    const uint32_t slot = db.SaveHolidayData(0, 1, 2007, kBirthday, "", p.picture, 1, 0);
    EXPECT_EQ(db.EntryAt(slot)->pictureFile, p.stored);
    EXPECT_EQ(db.EntryAt(slot)->description, "unknown");
  }
  for (uint32_t i = db.Count(); i < kMaxEntries; ++i) db.SaveHolidayData(Make(int(i % 12), int(i % 28) + 1, 1900, "p"));
  EXPECT_EQ(db.SaveHolidayData(0, 1, 2007, kBirthday, "late", "null", 0, 1), kMaxEntries);
  EXPECT_EQ(db.SaveHolidayData(Make(0, 1, 2007, "late")), kMaxEntries);
  EXPECT_EQ(db.ReplaceHolidayData(0, 1, 2007, kNationalHoliday, "late", "null"), kMaxEntries);
  EXPECT_EQ(db.ReplaceHolidayData(Make(0, 1, 2007, "late")), kMaxEntries);
  EXPECT_EQ(db.Count(), kMaxEntries);
  db.SortAndCompact();
  ExpectSortedAndIndexed(db);
}

TEST(CalDatabase, ReplaceMovesAComputedDayKeepingAUserPictureAndPutsEditedEntriesBack) {
  CCalDatabase db;
  db.SetClipartDirectory("/clip/");
  const auto replace = [&db](int year) {
    return db.ReplaceHolidayData(6, 4, year, kNationalHoliday, "Independence Day", "flag.png");
  };
  const auto holiday = [&db] {
    return *db.EntryAt(db.EntryAt(0)->type == kNationalHoliday ? 0 : 1);
  };
  replace(2007);
  db.ReplaceHolidayData(6, 4, 2007, kBirthday, "Independence Day", "flag.png");
  CalEntry edited = holiday();
  edited.pictureFile = "/home/me/fireworks.jpg";  // the user's own picture for the holiday
  db.PutEntry(edited, edited.index);
  EXPECT_EQ(replace(2008), 0u);
  EXPECT_EQ(db.Count(), 2u);
  EXPECT_EQ(holiday().year, 2008);
  EXPECT_EQ(holiday().pictureFile, "/home/me/fireworks.jpg");
  for (const char* none : {"null", "NULL", ""}) {
    edited = holiday();
    edited.pictureFile = none;
    db.PutEntry(edited, edited.index);
    replace(2009);
    EXPECT_EQ(holiday().pictureFile, "/clip/flag.png") << none;
  }
  edited = *db.EntryAt(1);
  edited.day = 20;
  EXPECT_EQ(db.ReplaceHolidayData(edited), 1u);
  CalEntry fresh = Make(0, 5, 2000, "fresh");
  fresh.index = 77;
  EXPECT_EQ(db.ReplaceHolidayData(fresh), 2u);
  EXPECT_EQ(db.Count(), 3u);
  ExpectSortedAndIndexed(db);
}

TEST(CalDatabase, RemovingMatchesEveryFieldMarksTheSlotAndDropsItOnSorting) {
  CCalDatabase db;
  db.ReplaceHolidayData(0, 1, 2007, kNationalHoliday, "New Year", "null");
  db.ReplaceHolidayData(1, 14, 2007, kNationalHoliday, "Valentine", "null");
  db.SaveHolidayData(Make(3, 1, 2000, "twin"));
  db.SaveHolidayData(Make(4, 1, 2000, "twin"));
  EXPECT_EQ(db.RemoveHolidayData(1, 14, 2007, kBirthday, "Valentine", "x"), 0u);
  EXPECT_EQ(db.RemoveHolidayData(1, 14, 2008, kNationalHoliday, "Valentine", "x"), 0u);
  EXPECT_EQ(db.RemoveHolidayData(1, 14, 2007, kNationalHoliday, "valentine", "x"), 0u);
  EXPECT_EQ(db.RemoveHolidayData(1, 14, 2007, kNationalHoliday, "Valentine", "other"), 1u);
  EXPECT_EQ(db.Count(), 4u);  // marked, not yet dropped
  EXPECT_EQ(db.EntryAt(1)->month, kDeletedMark);
  db.SortAndCompact();
  EXPECT_EQ(Descriptions(db), "New Yeartwintwin");
  EXPECT_EQ(db.EntryAt(3)->year, kDeletedYear);  // the slot beyond the count
  db.RemoveEntryByDescription("twin");
  db.RemoveEntry(0, 1, 2006, "New Year");
  EXPECT_EQ(Descriptions(db), "New Yeartwin");
  EXPECT_EQ(db.EntryAt(1)->month, 4);
  db.RemoveEntry(0, 1, 2007, "New Year");
  EXPECT_EQ(Descriptions(db), "twin");
  CalEntry beyond;
  EXPECT_EQ(db.CopyEntryAt(2, &beyond), -1);
}

// Three selection passes, not a stable sort: equal dates end where the swaps leave them.
TEST(CalDatabase, SortingLeavesTiesWhereTheSelectionPassesPutThemAndSkipsOrderedTables) {
  CCalDatabase db;
  for (const auto& e : {Make(0, 1, 2000, "b"), Make(1, 2, 2000, "x"), Make(0, 1, 2000, "a"), Make(0, 1, 1999, "c")})
    db.SaveHolidayData(e);
  db.SortAndCompact();
  EXPECT_EQ(Descriptions(db), "cabx");
  CCalDatabase ordered;
  for (const char* name : {"b", "a", "c", "last"}) ordered.SaveHolidayData(Make(name[1] ? 11 : 0, name[1] ? 31 : 1, 2000, name));
  ordered.RemoveHolidayData(11, 31, 2000, kBirthday, "last", "null");
  ordered.SortAndCompact();
  EXPECT_EQ(Descriptions(ordered), "bac");

  std::mt19937 rng(7);
  for (int round = 0; round < 50; ++round) {
    CCalDatabase random;
    const int n = 1 + static_cast<int>(rng() % 120);
    for (int i = 0; i < n; ++i)
      random.SaveHolidayData(Make(int(rng() % 12), 1 + int(rng() % 28), int(rng() % 3000) - 400, "e"));
    int removed = 0;
    for (uint32_t i = 0; i < random.Count(); ++i) {
      if (rng() % 3 != 0) continue;
      const CalEntry e = *random.EntryAt(i);
      random.RemoveHolidayData(e.month, e.day, e.year, e.type, e.description, e.pictureFile);
      ++removed;
    }
    random.SortAndCompact();
    ASSERT_EQ(random.Count(), static_cast<uint32_t>(n - removed));
    ExpectSortedAndIndexed(random);
  }
}

TEST(CalDatabase, DayQueriesSkipHiddenEntriesAndOtherYearsRemindersAndStopAtTheNextDay) {
  CCalDatabase db;  // calendar year 2007
  db.SaveHolidayData(2, 5, 1970, kBirthday, "Ann", "null", 0, 1);
  db.SaveHolidayData(2, 5, 2006, kReminder, "old reminder", "null", 0, 0);
  db.SaveHolidayData(2, 5, 2007, kReminder, "dentist", "null", 0, 0);
  db.SaveHolidayData(2, 5, 1980, kAnniversary, "secret", "null", 1, 1);
  db.SaveHolidayData(2, 6, 1980, kAnniversary, "next day", "null", 0, 1);
  // The queries stop at the first later day: an entry of the 5th put behind the 6th is not reached.
  db.SaveHolidayData(Make(2, 7, 2000, "filler"));
  db.PutEntry(Make(2, 5, 2000, "late"), 5);
  const auto entries = db.GetEntriesOfDay(2, 5);
  ASSERT_EQ(entries.size(), 2u);
  EXPECT_EQ(db.CountEntriesOfDay(2, 5), 2u);
  EXPECT_EQ(entries[0].description + entries[1].description, "Anndentist");
  EXPECT_EQ(*db.EntryAt(entries[1].index), entries[1]);
  EXPECT_EQ(db.CountEntriesOfDay(11, 31), 0u);
}

TEST(CalDatabase, HiddenListsAndRestoringByDescription) {
  CCalDatabase db;
  db.SaveHolidayData(0, 1, 2007, kNationalHoliday, "New Year", "null", 1, 1);
  db.SaveHolidayData(0, 2, 2007, kBirthday, "Bob", "null", 0, 1);
  db.SaveHolidayData(0, 3, 2007, kBirthday, "Bob", "null", 0, 1);
  db.SetEntryHidden(1, true);
  db.SetEntryHidden(400, true);  // beyond the count: nothing
  EXPECT_EQ(db.GetHiddenEntryIndices(), (std::vector<uint32_t>{0, 1}));
  const auto hidden = db.GetHiddenEntries();
  ASSERT_EQ(hidden.size(), 2u);
  db.SetEntryHidden(0, false);
  db.SetEntryHidden(1, false);
  EXPECT_EQ(db.RestoreHiddenByDescription(hidden), 0);
  EXPECT_EQ(db.EntryAt(0)->hidden + db.EntryAt(1)->hidden * 2 + db.EntryAt(2)->hidden * 4, 3);
  EXPECT_EQ(db.RestoreHiddenByDescription(std::vector<CalEntry>(501, hidden[0])), -1);
}

TEST(CalDatabase, RedatingMovesFloatingEntriesToTheirDayOfTheCalendarYear) {
  CCalDatabase db;
  const auto floating = [](uint32_t type, const char* name, int code, int month) {
    CalEntry e = Make(month, 1, 1990, name);
    e.type = type;
    e.weekCode = static_cast<uint8_t>(code);
    e.weekday = 1;
    return e;
  };
  db.SaveHolidayData(floating(kPersonalEvent, "Club night", kWeekThird, 0));
  db.SaveHolidayData(floating(kHistoricalEvent, "Parade", kWeekLast, 4));
  db.SaveHolidayData(Make(0, 2, 1990, "fixed"));
  db.RedateFloatingEntries();
  ExpectSortedAndIndexed(db);
  EXPECT_EQ(Descriptions(db), "fixedClub nightParade");
  EXPECT_EQ(std::make_tuple(db.EntryAt(1)->day, db.EntryAt(1)->year), std::make_tuple(15, 1990));  // own year kept
  EXPECT_EQ(std::make_tuple(db.EntryAt(2)->day, db.EntryAt(2)->year), std::make_tuple(28, 2007));
}

TEST(CalDatabase, BareNamesShowFromTheCalendarsFolderOrTheShippedClipart) {
  CCalDatabase db;
  db.SetBigPicture(0, "santa.png", "x");
  db.SetBigPicture(1, "null", "x");
  db.SetBigPicture(2, "/home/me/a b.jpg", "x");
  EXPECT_EQ(db.ResolvePicturePath("santa.png"), "santa.png");
  EXPECT_EQ(db.BigPicturePath(0), ShippedClipartDirectory() + "santa.png");
  EXPECT_EQ(db.BigPicturePath(1), "null");
  EXPECT_EQ(db.BigPicturePath(2), "/home/me/a b.jpg");
  db.SetClipartDirectory("/pics/");
  EXPECT_EQ(db.BigPicturePath(0), "/pics/santa.png");
  EXPECT_EQ(db.PicturePathToShow("C:\\pics\\x.gif"), "C:\\pics\\x.gif");
}

}  // namespace
}  // namespace tessolar
