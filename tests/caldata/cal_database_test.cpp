#include <gtest/gtest.h>

#include <random>
#include <tuple>
#include <string>

#include "caldata/cal_database.h"
#include "caldata/data_paths.h"
#include "compute/date_arithmetic.h"
#include "compute/language_table.h"

namespace tessolar {
namespace {

CalEntry Make(int month, int day, int year, const std::string& description,
              uint32_t type = kBirthday) {
  CalEntry e;
  e.month = static_cast<uint8_t>(month);
  e.day = static_cast<uint8_t>(day);
  e.year = static_cast<int16_t>(year);
  e.type = type;
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
    EXPECT_EQ(e.index, i);
    if (i == 0) continue;
    const CalEntry& p = *db.EntryAt(i - 1);
    EXPECT_LE(std::make_tuple(p.month, p.day, p.year), std::make_tuple(e.month, e.day, e.year))
        << "at slot " << i;
  }
}

TEST(CalDatabaseConfig, SettersRefuseValuesOutsideTheirLimits) {
  CCalDatabase db;
  db.SetTitleFontSize(256);
  db.SetTitleFontSize(257);
  db.SetTitleXPos(1026);
  db.SetTitleYPos(926);
  db.SetTitleWidth(1026);
  db.SetTitlePictureIndex(13);
  EXPECT_EQ(std::make_tuple(db.TitleFontSize(), db.TitleXPos(), db.TitleYPos(), db.TitleWidth(),
                            db.TitlePictureIndex()),
            std::make_tuple(256u, 50u, 50u, 700u, 0u));
  db.SetTitlePictureIndex(12);
  EXPECT_EQ(db.TitlePictureIndex(), 12u);
  db.SetFontMainBody("");
  db.SetTitleFontStyle("");
  db.SetTitleFontColor("");
  EXPECT_EQ(db.FontMainBody() + db.TitleFontStyle() + db.TitleFontColor(), "VerdanaVerdanagray");
  db.SetBigPicture(12, "x.jpg", "x");
  db.SetBigPicture(-1, "x.jpg", "x");
  EXPECT_EQ(db.BigPictureAt(12).pictureFile, "");
  EXPECT_FALSE(db.AddExcludedDay({12, 1, "month 12"}));
  EXPECT_FALSE(db.AddExcludedDay({0, 0, "day 0"}));
  for (size_t i = 0; i < kMaxExcludedDays; ++i) EXPECT_TRUE(db.AddExcludedDay({0, 1, "x"}));
  EXPECT_FALSE(db.AddExcludedDay({0, 1, "one too many"}));
  EXPECT_EQ(db.ExcludedDays().size(), kMaxExcludedDays);
}

TEST(CalDatabaseConfig, ResetKeepsTitleStyleFlagsAndClipartButClearsTheRest) {
  CCalDatabase db;
  db.SetTitleFontSize(200);
  db.SetTitleFontColor("red");
  db.SetHebrew(true);
  db.SetClipartDirectory("/clip/");
  db.SetYear(2030);
  db.SetTitle("Family");
  db.SetCalendarFileName("/tmp/a.cal");
  db.SetSavedText("text");
  db.SetBigPicture(3, "a.jpg", "A");
  db.AddExcludedDay({1, 2, "x"});
  db.SaveHolidayData(Make(0, 1, 2000, "a"));
  db.ResetDatabase();
  EXPECT_EQ(std::make_tuple(db.TitleFontSize(), db.TitleFontColor(), db.Hebrew(), db.ClipartDirectory()),
            std::make_tuple(200u, std::string("red"), true, std::string("/clip/")));
  EXPECT_EQ(std::make_tuple(db.Year(), db.Title(), db.CalendarFileName(), db.SavedText()),
            std::make_tuple(2007, std::string("Blank Title"), std::string(), std::string()));
  EXPECT_EQ(db.BigPictureAt(3), BigPicture{});
  EXPECT_TRUE(db.ExcludedDays().empty());
  EXPECT_EQ(db.Count(), 0u);
  EXPECT_EQ(db.EntryAt(0)->type, kEmptyEntry);
}

TEST(CalDatabaseConfig, TypeFiveTakesItsNameFromTheLanguageAtReset) {
  SetLanguageIndex(2);
  CCalDatabase db;
  EXPECT_EQ(db.TypeName(kAstronomicalDay), LanguageStringOf(2, 63));
  SetLanguageIndex(0);
  EXPECT_EQ(db.TypeName(kAstronomicalDay), LanguageStringOf(2, 63));
  db.ResetDatabase();
  EXPECT_EQ(db.TypeName(kAstronomicalDay), LanguageStringOf(0, 63));
  EXPECT_EQ(db.TypeName(kReminder), "Reminder");
  EXPECT_EQ(db.TypeName(kEmptyEntry), "");
  EXPECT_EQ(db.TypeName(99), "");
}

TEST(CalDatabaseAdd, SaveHolidayDataChecksItsArgumentsAndTheTableSize) {
  CCalDatabase db;
  db.SetClipartDirectory("/clip/");
  db.SaveHolidayData(12, 1, 2007, kBirthday, "m12", "x.gif", 0, 1);
  db.SaveHolidayData(0, 0, 2007, kBirthday, "d0", "x.gif", 0, 1);
  db.SaveHolidayData(0, 1, 0, kBirthday, "y0", "x.gif", 0, 1);
  EXPECT_EQ(db.Count(), 0u);
  EXPECT_EQ(db.SaveHolidayData(0, 1, 2007, kBirthday, "", "", 1, 0), 0u);
  const CalEntry& e = *db.EntryAt(0);
  EXPECT_EQ(e.description, "unknown");
  EXPECT_EQ(e.pictureFile, "/clip/");  // an empty picture gives the folder alone
  EXPECT_EQ(e.hidden, 1);
  EXPECT_EQ(e.showAge, 0);
  db.SaveHolidayData(0, 2, 2007, kBirthday, "a", "pics/a.gif", 0, 1);
  db.SaveHolidayData(0, 3, 2007, kBirthday, "b", "C:\\pics\\b.gif", 0, 1);
  db.SaveHolidayData(0, 4, 2007, kBirthday, "c", "c.gif", 0, 1);
  EXPECT_EQ(db.EntryAt(1)->pictureFile, "pics/a.gif");
  EXPECT_EQ(db.EntryAt(2)->pictureFile, "C:\\pics\\b.gif");
  EXPECT_EQ(db.EntryAt(3)->pictureFile, "/clip/c.gif");
}

TEST(CalDatabaseAdd, TheFiveHundredAndFirstEntryIsNotStored) {
  CCalDatabase db;
  for (uint32_t i = 0; i < kMaxEntries; ++i) {
    EXPECT_EQ(db.SaveHolidayData(static_cast<int>(i % 12), static_cast<int>(i % 28) + 1, 1900 + i,
                                 kBirthday, "p" + std::to_string(i), "null", 0, 1),
              i);
  }
  EXPECT_EQ(db.SaveHolidayData(0, 1, 2007, kBirthday, "late", "null", 0, 1), kMaxEntries);
  EXPECT_EQ(db.SaveHolidayData(Make(0, 1, 2007, "late")), kMaxEntries);
  EXPECT_EQ(db.ReplaceHolidayData(0, 1, 2007, kNationalHoliday, "late", "null"), kMaxEntries);
  EXPECT_EQ(db.ReplaceHolidayData(Make(0, 1, 2007, "late")), kMaxEntries);
  EXPECT_EQ(db.Count(), kMaxEntries);
  ExpectSortedAndIndexed(db);
}

TEST(CalDatabaseAdd, ReplaceMovesAComputedDayAndKeepsAUserPicture) {
  CCalDatabase db;
  db.SetClipartDirectory("/clip/");
  const auto replace = [&db](int year, uint32_t type = kNationalHoliday) {
    return db.ReplaceHolidayData(6, 4, year, type, "Independence Day", "flag.png");
  };
  const auto holiday = [&db]() -> CalEntry {
    for (uint32_t i = 0; i < db.Count(); ++i) {
      if (db.EntryAt(i)->type == kNationalHoliday) return *db.EntryAt(i);
    }
    return {};
  };
  replace(2007);
  replace(2007, kBirthday);
  ASSERT_EQ(db.Count(), 2u);
  // The user picks a picture of their own for the holiday.
  CalEntry edited = holiday();
  edited.pictureFile = "/home/me/fireworks.jpg";
  db.PutEntry(edited, edited.index);
  EXPECT_EQ(replace(2008), 0u);
  EXPECT_EQ(db.Count(), 2u);
  EXPECT_EQ(holiday().year, 2008);
  EXPECT_EQ(holiday().showAge, 1);
  EXPECT_EQ(holiday().pictureFile, "/home/me/fireworks.jpg");
  for (const char* none : {"null", "NULL", ""}) {
    CalEntry e = holiday();
    e.pictureFile = none;
    db.PutEntry(e, e.index);
    replace(2009);
    EXPECT_EQ(holiday().pictureFile, "/clip/flag.png") << none;
  }
}

TEST(CalDatabaseAdd, ReplaceAnEditedEntryPutsItBackOrAppends) {
  CCalDatabase db;
  db.SaveHolidayData(Make(0, 1, 2000, "a"));
  db.SaveHolidayData(Make(0, 2, 2000, "b"));
  db.SaveHolidayData(Make(0, 3, 2000, "c"));
  CalEntry b = *db.EntryAt(1);
  b.day = 20;
  EXPECT_EQ(db.ReplaceHolidayData(b), 1u);
  EXPECT_EQ(db.Count(), 3u);
  EXPECT_EQ(db.EntryAt(2)->description, "b");
  CalEntry fresh = Make(0, 5, 2000, "d");
  fresh.index = 77;
  EXPECT_EQ(db.ReplaceHolidayData(fresh), 3u);
  EXPECT_EQ(db.Count(), 4u);
  ExpectSortedAndIndexed(db);
}

TEST(CalDatabaseRemove, RemovingTwoLowersTheCountAndMarksTheSlotsBeyond) {
  CCalDatabase db;
  db.ReplaceHolidayData(0, 1, 2007, kNationalHoliday, "New Year", "null");
  db.ReplaceHolidayData(1, 14, 2007, kNationalHoliday, "Valentine", "null");
  db.ReplaceHolidayData(2, 17, 2007, kNationalHoliday, "St Patrick", "null");
  // Every field must match: the wrong type, year or name removes nothing.
  EXPECT_EQ(db.RemoveHolidayData(1, 14, 2007, kBirthday, "Valentine", "x"), 0u);
  EXPECT_EQ(db.RemoveHolidayData(1, 14, 2008, kNationalHoliday, "Valentine", "x"), 0u);
  EXPECT_EQ(db.RemoveHolidayData(1, 14, 2007, kNationalHoliday, "valentine", "x"), 0u);
  db.SortAndCompact();
  EXPECT_EQ(db.Count(), 3u);
  EXPECT_EQ(db.RemoveHolidayData(1, 14, 2007, kNationalHoliday, "Valentine", "other"), 1u);
  EXPECT_EQ(db.Count(), 3u);  // marked, not yet dropped
  EXPECT_EQ(db.EntryAt(1)->month, kDeletedMark);
  db.RemoveHolidayData(0, 1, 2007, kNationalHoliday, "New Year", "null");
  db.SortAndCompact();
  ASSERT_EQ(db.Count(), 1u);
  EXPECT_EQ(db.EntryAt(0)->description, "St Patrick");
  // Slot 1 is the one beyond the count that EntryAt still shows.
  const CalEntry& gone = *db.EntryAt(1);
  EXPECT_EQ(gone.month, kDeletedMark);
  EXPECT_EQ(gone.day, kDeletedMark);
  EXPECT_EQ(gone.year, kDeletedYear);
  CalEntry beyond;
  EXPECT_EQ(db.CopyEntryAt(2, &beyond), -1);
  EXPECT_EQ(db.CopyEntryAt(0, nullptr), -1);
}

TEST(CalDatabaseRemove, ByDescriptionAndByDateRemoveTheFirstMatchOnly) {
  CCalDatabase db;
  db.SaveHolidayData(Make(3, 1, 2000, "twin"));
  db.SaveHolidayData(Make(4, 1, 2000, "twin"));
  db.SaveHolidayData(Make(5, 1, 2000, "x"));
  db.RemoveEntryByDescription("twin");
  ASSERT_EQ(db.Count(), 2u);
  EXPECT_EQ(db.EntryAt(0)->month, 4);
  db.RemoveEntry(5, 1, 1999, "x");
  EXPECT_EQ(db.Count(), 2u);
  db.RemoveEntry(5, 1, 2000, "x");
  EXPECT_EQ(db.Count(), 1u);
  db.RemoveEntryByDescription("nobody");
  EXPECT_EQ(db.Count(), 1u);
}

// Three selection passes, not a stable sort: equal dates end where the swaps leave them.
TEST(CalDatabaseSort, TiesEndWhereTheSelectionPassesLeaveThem) {
  CCalDatabase db;
  for (int i = 0; i < 4; ++i) db.SaveHolidayData(Make(0, 1, 2000, "filler"));
  db.PutEntry(Make(0, 1, 2000, "b"), 0);
  db.PutEntry(Make(1, 2, 2000, "x"), 1);
  db.PutEntry(Make(0, 1, 2000, "a"), 2);
  db.PutEntry(Make(0, 1, 1999, "c"), 3);
  db.SortAndCompact();
  EXPECT_EQ(Descriptions(db), "cabx");
  // A table already in date order skips the passes: its ties stay, deleted entries still go.
  CCalDatabase ordered;
  for (const char* name : {"b", "a", "c"}) ordered.SaveHolidayData(Make(0, 1, 2000, name));
  ordered.SaveHolidayData(Make(11, 31, 2000, "last"));
  ordered.RemoveHolidayData(11, 31, 2000, kBirthday, "last", "null");
  ordered.SortAndCompact();
  EXPECT_EQ(Descriptions(ordered), "bac");
}

TEST(CalDatabaseSort, RandomTablesEndSortedCompactedAndIndexed) {
  std::mt19937 rng(7);
  for (int round = 0; round < 50; ++round) {
    CCalDatabase db;
    const int n = 1 + static_cast<int>(rng() % 120);
    for (int i = 0; i < n; ++i) {
      db.SaveHolidayData(static_cast<int>(rng() % 12), 1 + static_cast<int>(rng() % 28),
                         1 + static_cast<int>(rng() % 3000), kBirthday,
                         "e" + std::to_string(i), "null", 0, 1);
    }
    // Ages before the common era too, put in place by hand (the checked add refuses year 0 only).
    CalEntry bc = *db.EntryAt(0);
    bc.year = static_cast<int16_t>(-400);
    db.PutEntry(bc, 0);
    int removed = 0;
    for (uint32_t i = 0; i < db.Count(); ++i) {
      if (rng() % 3 != 0) continue;
      const CalEntry e = *db.EntryAt(i);
      db.RemoveHolidayData(e.month, e.day, e.year, e.type, e.description, e.pictureFile);
      ++removed;
    }
    db.SortAndCompact();
    ASSERT_EQ(db.Count(), static_cast<uint32_t>(n - removed));
    ExpectSortedAndIndexed(db);
    for (uint32_t i = 0; i < db.Count(); ++i) EXPECT_NE(db.EntryAt(i)->month, kDeletedMark);
  }
}

TEST(CalDatabaseQuery, DayQueriesSkipHiddenEntriesAndOtherYearsRemindersAndStopEarly) {
  CCalDatabase db;  // calendar year 2007
  db.SaveHolidayData(2, 5, 1970, kBirthday, "Ann", "null", 0, 1);
  db.SaveHolidayData(2, 5, 2006, kReminder, "old reminder", "null", 0, 0);
  db.SaveHolidayData(2, 5, 2007, kReminder, "dentist", "null", 0, 0);
  db.SaveHolidayData(2, 5, 1980, kAnniversary, "secret", "null", 1, 1);
  db.SaveHolidayData(2, 6, 1980, kAnniversary, "next day", "null", 0, 1);
  EXPECT_EQ(db.CountEntriesOfDay(2, 5), 2u);
  const auto entries = db.GetEntriesOfDay(2, 5);
  ASSERT_EQ(entries.size(), 2u);
  EXPECT_EQ(entries[0].description, "Ann");
  EXPECT_EQ(entries[1].description, "dentist");
  EXPECT_EQ(*db.EntryAt(entries[1].index), entries[1]);
  EXPECT_TRUE(db.GetEntriesOfDay(2, 7).empty());
  EXPECT_EQ(db.CountEntriesOfDay(11, 31), 0u);
  // The queries stop at the first later day: an entry of the 5th put behind the 6th is not reached.
  db.SaveHolidayData(Make(2, 7, 2000, "filler"));
  db.PutEntry(Make(2, 5, 2000, "late"), 5);
  EXPECT_EQ(db.CountEntriesOfDay(2, 5), 2u);
  EXPECT_EQ(db.GetEntriesOfDay(2, 5).size(), 2u);
}

TEST(CalDatabaseHidden, HiddenListsAndRestoreByDescription) {
  CCalDatabase db;
  db.SaveHolidayData(0, 1, 2007, kNationalHoliday, "New Year", "null", 1, 1);
  db.SaveHolidayData(0, 2, 2007, kBirthday, "Bob", "null", 0, 1);
  db.SaveHolidayData(0, 3, 2007, kBirthday, "Bob", "null", 0, 1);
  CalEntry invalid = Make(0, 4, 2007, "bad");
  invalid.hidden = 1;
  db.SaveHolidayData(invalid);
  CalEntry zeroYear = *db.EntryAt(3);
  zeroYear.year = 0;
  db.PutEntry(zeroYear, 3);
  db.SetEntryHidden(1, true);
  EXPECT_EQ(db.GetHiddenEntries().size(), 3u);
  EXPECT_EQ(db.GetHiddenEntryIndices(), (std::vector<uint32_t>{0, 1}));
  const auto hidden = db.GetHiddenEntries();
  db.SetEntryHidden(0, false);
  db.SetEntryHidden(1, false);
  db.SetEntryHidden(400, true);  // beyond the count: nothing
  EXPECT_EQ(db.RestoreHiddenByDescription({hidden[0], hidden[1]}), 0);
  EXPECT_EQ(db.EntryAt(0)->hidden, 1);
  EXPECT_EQ(db.EntryAt(1)->hidden, 1);
  EXPECT_EQ(db.EntryAt(2)->hidden, 0);  // only the first "Bob"
  EXPECT_EQ(db.RestoreHiddenByDescription(std::vector<CalEntry>(5, hidden[0])), -1);
}

TEST(CalDatabaseFloating, RedatingMovesFloatingEntriesToTheCalendarYear) {
  CCalDatabase db;
  auto floating = [](uint32_t type, const std::string& name, int code, int weekday, int month) {
    CalEntry e = Make(month, 1, 1990, name, type);
    e.weekCode = static_cast<uint8_t>(code);
    e.weekday = static_cast<uint8_t>(weekday);
    return e;
  };
  db.SaveHolidayData(floating(kPersonalEvent, "Club night", kWeekThird, 1, 0));
  db.SaveHolidayData(floating(kHistoricalEvent, "Parade", kWeekLast, 1, 4));
  db.SaveHolidayData(Make(0, 2, 1990, "fixed"));
  db.SetYear(2007);
  db.RedateFloatingEntries();
  ExpectSortedAndIndexed(db);
  ASSERT_EQ(db.Count(), 3u);
  EXPECT_EQ(db.EntryAt(0)->description, "fixed");
  EXPECT_EQ(db.EntryAt(1)->description, "Club night");
  EXPECT_EQ(db.EntryAt(1)->day, 15);
  EXPECT_EQ(db.EntryAt(1)->year, 1990);  // personal events keep their own year
  EXPECT_EQ(db.EntryAt(2)->day, 28);
  EXPECT_EQ(db.EntryAt(2)->year, 2007);
  testing::internal::CaptureStdout();
  db.SetYear(1700);  // no rule day: nothing moves
  db.RedateFloatingEntries();
  testing::internal::GetCapturedStdout();
  EXPECT_EQ(db.EntryAt(1)->day, 15);
}

TEST(CalDatabasePictures, BareNamesShowFromTheCalendarsFolderOrTheShippedClipart) {
  CCalDatabase db;
  db.SetBigPicture(0, "santa.png", "x");
  db.SetBigPicture(1, "null", "x");
  db.SetBigPicture(2, "/home/me/a b.jpg", "x");
  // Without a folder of its own, the calendar shows the shipped pictures but stores bare names.
  EXPECT_EQ(db.ResolvePicturePath("santa.png"), "santa.png");
  EXPECT_EQ(db.PicturePathToShow("santa.png"), ShippedClipartDirectory() + "santa.png");
  EXPECT_EQ(db.BigPicturePath(0), ShippedClipartDirectory() + "santa.png");
  EXPECT_EQ(db.BigPicturePath(1), "null");
  EXPECT_EQ(db.BigPicturePath(2), "/home/me/a b.jpg");
  EXPECT_EQ(db.BigPicturePath(3), "");
  db.SetClipartDirectory("/pics/");
  EXPECT_EQ(db.PicturePathToShow("santa.png"), "/pics/santa.png");
  EXPECT_EQ(db.BigPicturePath(0), "/pics/santa.png");
  EXPECT_EQ(db.PicturePathToShow("C:\\pics\\x.gif"), "C:\\pics\\x.gif");
}

}  // namespace
}  // namespace tessolar
