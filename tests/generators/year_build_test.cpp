// The year build's transitions: which generators run, in which mode, and that
// removing takes away exactly what adding made.

#include "generators/year_build.h"

#include <gtest/gtest.h>

#include "support/store_snapshot.h"

namespace tessolar {
namespace {

using support::EntriesNamed;
using support::Snapshot;

void Configure(CCalDatabase& db, int country, int language, bool equinox = true,
               bool fullMoons = true) {
  db.SetCountry(country);
  db.SetLanguage(language);
  db.SetNational(true);
  db.SetEquinox(equinox);
  db.SetFullMoons(fullMoons);
}

class YearBuild : public support::CalendarTest {
 protected:
  void SetUp() override { support::AddUserEntries(db_); }
  CYearBuild build_;
};

TEST_F(YearBuild, RemoveAllRunsEveryGeneratorAndTheNextBuildAddsWhatIsOn) {
  const auto userOnly = Snapshot(db_);
  Configure(db_, 1, 0, false);
  build_.BuildYear(db_, 2007, false);
  // Season days that a calendar file carried although the category is off.
  db_.ReplaceHolidayData(2, 21, 2007, kAstronomicalDay, "March Equinox", "flowers54.jpg");
  db_.ReplaceHolidayData(5, 21, 2007, kAstronomicalDay, "June Solstice", "sunshine3.gif");
  db_.ReplaceHolidayData(8, 23, 2007, kAstronomicalDay, "September Equinox", "leaves1_tr.gif");
  db_.ReplaceHolidayData(11, 22, 2007, kAstronomicalDay, "December Solstice", "snowman1_tr.gif");
  build_.BuildYear(db_, 2007, true);
  EXPECT_EQ(Snapshot(db_), userOnly);
  for (const auto category :
       {DayCategory::kChristian, DayCategory::kNational, DayCategory::kJewish,
        DayCategory::kEquinox, DayCategory::kFullMoons, DayCategory::kMoonPhases}) {
    EXPECT_FALSE(build_.LastBuilt(category));
  }
  build_.BuildYear(db_, 2007, false);
  EXPECT_EQ(EntriesNamed(db_, kNationalHoliday, "Victoria Day").size(), 1u);
  EXPECT_EQ(EntriesNamed(db_, kAstronomicalDay, "Full Moon").size(), 13u);
  EXPECT_TRUE(EntriesNamed(db_, kAstronomicalDay, "March Equinox").empty());
}

// An opened calendar gets a build of its own, which dates its computed days
// again: a day its owner hid stays hidden, with the picture they gave it.
TEST_F(YearBuild, AnOpenedCalendarKeepsTheComputedDaysItsOwnerHid) {
  Configure(db_, 1, 0);
  build_.BuildYear(db_, 2007, false);
  const uint32_t slot = EntriesNamed(db_, kNationalHoliday, "Victoria Day").front().index;
  db_.SetEntryHidden(slot, true);
  const auto saved = Snapshot(db_);
  CYearBuild().BuildYear(db_, 2007, false);
  EXPECT_EQ(Snapshot(db_), saved);
}

TEST_F(YearBuild, TheSameBuildTwiceChangesNothingAndDoesNotSort) {
  Configure(db_, 0, 0);
  build_.BuildYear(db_, 2007, false);
  // Appended after the December days: only a sort would move it.
  db_.SaveHolidayData(0, 5, 2007, kPersonalEvent, "Party", "null", 0, 0);
  const auto before = Snapshot(db_);
  build_.BuildYear(db_, 2007, false);
  EXPECT_EQ(Snapshot(db_), before);
}

TEST_F(YearBuild, AYearOutsideTheSeasonsRangeSkipsOnlyTheSeasons) {
  Configure(db_, 0, 0);
  Notes notes;
  build_.BuildYear(db_, 4001, false, &notes);
  EXPECT_EQ(notes, Notes{"Equinoxes and solstices are computed for the years -100 to 4000; "
                         "4001 has none."});
  EXPECT_TRUE(EntriesNamed(db_, kAstronomicalDay, "March Equinox").empty());
  EXPECT_GE(EntriesNamed(db_, kAstronomicalDay, "Full Moon").size(), 12u);
  EXPECT_EQ(EntriesNamed(db_, kNationalHoliday, "Independence Day").size(), 1u);
}

// Every category on; the later years reach the doubled Hanukkah.
TEST_F(YearBuild, RemoveAfterAddRestoresEverySlotForEveryCountryLanguageAndYear) {
  for (int country = 0; country < kCountryCount; ++country) {
    for (int language = 0; language < kLanguageCount; ++language) {
      CCalDatabase db;
      CYearBuild build;
      support::AddUserEntries(db);
      Configure(db, country, language);
      db.SetChristian(true);
      db.SetHebrew(true);
      const auto before = Snapshot(db);
      for (int year = 1800; year <= 3400; year += year == 2200 ? 800 : 1) {
        build.BuildYear(db, year, false);
        ASSERT_GT(db.Count(), before.size() + 8) << country << " " << language << " " << year;
        build.BuildYear(db, year, true);
        ASSERT_EQ(Snapshot(db), before) << country << " " << language << " " << year;
      }
    }
  }
}

}  // namespace
}  // namespace tessolar
