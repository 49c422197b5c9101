// The year build's transitions with the national, season and full-moon
// generators: which generators run, in which mode, and that removing takes
// away exactly what adding made.

#include "generators/year_build.h"

#include <gtest/gtest.h>

#include "compute/language_table.h"
#include "support/store_snapshot.h"

namespace tessolar {
namespace {

using support::EntriesNamed;
using support::Snapshot;

// A calendar with a few of the user's own entries, sorted; two are named like
// computed days and must outlive their removal.
void AddUserEntries(CCalDatabase& db) {
  db.SaveHolidayData(2, 3, 1950, kBirthday, "Grandma", "cake.gif", 0, 1);
  db.SaveHolidayData(3, 8, 2007, kPersonalEvent, "Passover", "seder.jpg", 0, 0);
  db.SaveHolidayData(8, 13, 1990, kAnniversary, "Easter Sunday", "null", 1, 0);
  db.SaveHolidayData(9, 10, 2007, kPersonalEvent, "Dentist", "null", 0, 0);
  db.SaveHolidayData(0, 1, 2007, kReminder, "Pay rent", "null", 1, 0);
  db.SaveHolidayData(11, 25, 1990, kAnniversary, "Wedding", "rings.gif", 0, 1);
  db.SortAndCompact();
}

void Configure(CCalDatabase& db, int country, int language, bool national, bool equinox,
               bool fullMoons) {
  SetCountryIndex(country);
  SetLanguageIndex(language);
  db.SetNational(national);
  db.SetEquinox(equinox);
  db.SetFullMoons(fullMoons);
}

// Slot of the first entry with this type and description.
uint32_t SlotOf(const CCalDatabase& db, uint32_t type, const std::string& name) {
  for (uint32_t i = 0; i < db.Count(); ++i) {
    if (db.EntryAt(i)->type == type && db.EntryAt(i)->description == name) return i;
  }
  return kMaxEntries;
}

TEST(YearBuild, SwitchingOnlyFullMoonsOffRunsOnlyTheFullMoonGeneratorToRemove) {
  CCalDatabase db;
  CYearBuild build;
  AddUserEntries(db);
  Configure(db, 0, 0, true, true, true);
  build.BuildYear(db, 2007, 0);
  ASSERT_EQ(EntriesNamed(db, kAstronomicalDay, "Full Moon").size(), 13u);
  // A generator that runs again enters its days afresh, which shows in the hidden marks.
  db.SetEntryHidden(SlotOf(db, kNationalHoliday, "Labor Day"), true);
  db.SetEntryHidden(SlotOf(db, kAstronomicalDay, "June Solstice"), true);

  db.SetFullMoons(false);
  build.BuildYear(db, 2007, 0);
  EXPECT_TRUE(EntriesNamed(db, kAstronomicalDay, "Full Moon").empty());
  EXPECT_EQ(EntriesNamed(db, kNationalHoliday, "Labor Day").at(0).hidden, 1);
  EXPECT_EQ(EntriesNamed(db, kAstronomicalDay, "June Solstice").at(0).hidden, 1);
  EXPECT_FALSE(build.LastBuilt(DayCategory::kFullMoons));
  EXPECT_TRUE(build.LastBuilt(DayCategory::kNational));
  for (uint32_t i = 1; i < db.Count(); ++i) {
    const CalEntry& a = *db.EntryAt(i - 1);
    const CalEntry& b = *db.EntryAt(i);
    ASSERT_LE(a.month * 32 + a.day, b.month * 32 + b.day) << "unsorted at " << i;
  }
}

TEST(YearBuild, RemoveAllRunsEveryGeneratorAndTheNextBuildAddsWhatIsOn) {
  CCalDatabase db;
  CYearBuild build;
  AddUserEntries(db);
  const auto userOnly = Snapshot(db);
  Configure(db, 1, 0, true, false, true);
  build.BuildYear(db, 2007, 0);
  // Season days that a calendar file carried although the category is off.
  SetLanguageIndex(0);
  db.ReplaceHolidayData(2, 21, 2007, kAstronomicalDay, "March Equinox", "flowers54.jpg");
  db.ReplaceHolidayData(5, 21, 2007, kAstronomicalDay, "June Solstice", "sunshine3.gif");
  db.ReplaceHolidayData(8, 23, 2007, kAstronomicalDay, "September Equinox", "leaves1_tr.gif");
  db.ReplaceHolidayData(11, 22, 2007, kAstronomicalDay, "December Solstice", "snowman1_tr.gif");

  build.BuildYear(db, 2007, 1);
  EXPECT_EQ(Snapshot(db), userOnly);
  for (const auto category : {DayCategory::kChristian, DayCategory::kNational, DayCategory::kJewish,
                              DayCategory::kEquinox, DayCategory::kFullMoons}) {
    EXPECT_FALSE(build.LastBuilt(category));
  }

  build.BuildYear(db, 2007, 0);
  EXPECT_EQ(EntriesNamed(db, kNationalHoliday, "Victoria Day").size(), 1u);
  EXPECT_EQ(EntriesNamed(db, kAstronomicalDay, "Full Moon").size(), 13u);
  EXPECT_TRUE(EntriesNamed(db, kAstronomicalDay, "March Equinox").empty());
}

TEST(YearBuild, TheSameBuildTwiceChangesNothingAndDoesNotSort) {
  CCalDatabase db;
  CYearBuild build;
  Configure(db, 0, 0, true, true, true);
  build.BuildYear(db, 2007, 0);
  // Appended after the December days: only a sort would move it.
  db.SaveHolidayData(0, 5, 2007, kPersonalEvent, "Party", "null", 0, 0);
  const auto before = Snapshot(db);
  build.BuildYear(db, 2007, 0);
  EXPECT_EQ(Snapshot(db), before);
}

// What a calendar holds after the configuration changes from one year,
// country or language to another: the old days removed while the old
// settings are still current, then the new days added.
std::vector<CalEntry> AfterChange(int oldYear, int oldCountry, int oldLanguage, int year,
                                  int country, int language) {
  CCalDatabase db;
  CYearBuild build;
  AddUserEntries(db);
  Configure(db, oldCountry, oldLanguage, true, true, true);
  build.BuildYear(db, oldYear, 0);
  build.BuildYear(db, oldYear, 1);
  Configure(db, country, language, true, true, true);
  build.BuildYear(db, year, 0);
  return Snapshot(db);
}

std::vector<CalEntry> Fresh(int year, int country, int language) {
  CCalDatabase db;
  CYearBuild build;
  AddUserEntries(db);
  Configure(db, country, language, true, true, true);
  build.BuildYear(db, year, 0);
  return Snapshot(db);
}

TEST(YearBuild, ChangingYearCountryOrLanguageLeavesOnlyTheNewDays) {
  const auto from2006 = AfterChange(2006, 0, 0, 2007, 0, 0);
  EXPECT_EQ(from2006, Fresh(2007, 0, 0));
  for (const CalEntry& e : from2006) {
    // The 2006 rule's daylight-saving days (2 April, 29 October) are gone.
    const bool national = e.type == kNationalHoliday;
    EXPECT_FALSE(national && e.month == 3 && e.day == 2) << e.description;
    EXPECT_FALSE(national && e.month == 9 && e.day == 29) << e.description;
    EXPECT_NE(e.year, 2006) << e.description;
  }
  EXPECT_EQ(AfterChange(2007, 0, 0, 2007, 3, 0), Fresh(2007, 3, 0));
  EXPECT_EQ(AfterChange(2007, 6, 0, 2007, 6, 2), Fresh(2007, 6, 2));
  EXPECT_EQ(AfterChange(2007, 1, 1, 2012, 4, 2), Fresh(2012, 4, 2));
}

TEST(YearBuild, AYearOutsideTheSeasonsRangeSkipsOnlyTheSeasons) {
  CCalDatabase db;
  CYearBuild build;
  Configure(db, 0, 0, true, true, true);
  ::testing::internal::CaptureStdout();
  build.BuildYear(db, 4001, 0);
  const std::string out = ::testing::internal::GetCapturedStdout();
  EXPECT_NE(out.find("Years must be within the range -100 - 4000 CE."), std::string::npos);
  EXPECT_TRUE(EntriesNamed(db, kAstronomicalDay, "March Equinox").empty());
  EXPECT_GE(EntriesNamed(db, kAstronomicalDay, "Full Moon").size(), 12u);
  EXPECT_EQ(EntriesNamed(db, kNationalHoliday, "Independence Day").size(), 1u);
}

// Every category on; the later years reach the doubled Hanukkah.
TEST(YearBuild, RemoveAfterAddRestoresEverySlotForEveryCountryLanguageAndYear) {
  for (int country = 0; country < kCountryCount; ++country) {
    for (int language = 0; language < kLanguageCount; ++language) {
      CCalDatabase db;
      CYearBuild build;
      AddUserEntries(db);
      Configure(db, country, language, true, true, true);
      db.SetChristian(true);
      db.SetHebrew(true);
      const auto before = Snapshot(db);
      for (int year = 1800; year <= 3400; year += year == 2200 ? 800 : 1) {
        build.BuildYear(db, year, 0);
        ASSERT_GT(db.Count(), before.size() + 8) << country << " " << language << " " << year;
        build.BuildYear(db, year, 1);
        ASSERT_EQ(Snapshot(db), before) << country << " " << language << " " << year;
      }
    }
  }
}

}  // namespace
}  // namespace tessolar
