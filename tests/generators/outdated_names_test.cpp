// Calendars saved by the build before the holiday names were corrected
// (tests/data/calendars/old_names/, made by its `tessolar-cli new` with every
// category on; two carry a user's entry named like an old computed day).
// Opened and built, they hold each computed day once, under its current
// name and on its current date (the Mexican one carries the three days that
// moved to Mondays in 2006 on their old dates), and lose it when the
// categories are switched off.

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "caldata/calendar_file.h"
#include "compute/language_table.h"
#include "generators/year_build.h"
#include "support/store_snapshot.h"

namespace tessolar {
namespace {

using Key = std::tuple<int, int, int, uint32_t, std::string, std::string>;

std::map<Key, int> Counted(const CCalDatabase& db) {
  std::map<Key, int> keys;
  for (const CalEntry& e : support::Snapshot(db)) {
    ++keys[{e.month, e.day, e.year, e.type, e.description, e.pictureFile}];
  }
  return keys;
}

void SetCategories(CCalDatabase& db, bool on) {
  db.SetChristian(on);
  db.SetNational(on);
  db.SetHebrew(on);
  db.SetEquinox(on);
  db.SetFullMoons(on);
}

TEST(OutdatedNames, OldCalendarsOpenWithEachComputedDayOnceUnderItsCurrentName) {
  // Canada's Family Day from 1990, Newfoundland's Discovery Day from 1997,
  // and Saint-Jean-Baptiste under its name before 1977.
  const std::vector<std::string> canada1975 = {"Family Day", "Discovery Day",
                                               "Quebec National Day"};
  const struct {
    const char* file;
    const char* userEntry = nullptr;  // the one entry that is the user's own
    // Days an earlier build gave that year although no law did yet: the
    // build gives them no more, and the file keeps them as its own.
    std::vector<std::string> kept = {};
  } calendars[] = {{"germany_english_2027", "Hanukkuh"},
                   {"us_spanish_2008", "Cuerpo de Marines"},
                   {"us_german_2008"},
                   {"mexico_spanish_2027"},
                   {"uk_english_2027"},
                   {"canada_english_2027"},
                   {"canada_english_1975", nullptr, canada1975},
                   {"australia_english_2027"},
                   {"australia_english_1940"}};
  for (const auto& c : calendars) {
    CCalDatabase db;
    const std::string dir = std::string(TESSOLAR_TEST_DATA) + "/calendars/old_names/";
    ASSERT_EQ(LoadCalendarFile(db, dir + c.file + ".cal"), 1) << c.file;
    CYearBuild build;
    build.BuildYear(db, db.Year(), false);

    CCalDatabase fresh;
    fresh.SetClipartDirectory(db.ClipartDirectory());
    fresh.SetLanguage(db.Language());
    fresh.SetCountry(db.Country());
    SetCategories(fresh, true);
    CYearBuild().BuildYear(fresh, db.Year(), false);
    std::map<Key, int> left = Counted(db);
    for (const auto& [key, count] : Counted(fresh)) {
      EXPECT_EQ(left[key], count) << c.file << ": " << std::get<4>(key);
      left.erase(key);
    }
    std::vector<std::string> others;
    for (const auto& [key, count] : left) others.push_back(std::get<4>(key));
    std::vector<std::string> expected = c.kept;
    if (c.userEntry) expected.push_back(c.userEntry);
    EXPECT_EQ(others, expected) << c.file;

    SetCategories(db, false);
    build.BuildYear(db, db.Year(), false);
    EXPECT_EQ(db.Count(), others.size()) << c.file;
    if (c.userEntry) {
      EXPECT_EQ(db.EntryAt(0)->description, c.userEntry) << c.file;
    }
  }
}

}  // namespace
}  // namespace tessolar
