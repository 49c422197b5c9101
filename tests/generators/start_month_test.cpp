// A calendar that starts in any month: each of its months holds exactly the
// computed days, and marks exactly the days off, that a January calendar of
// the month's own year has in it.

#include <gtest/gtest.h>

#include "generators/countries.h"
#include "generators/days_off.h"
#include "generators/year_build.h"
#include "support/store_snapshot.h"

namespace tessolar {
namespace {

using support::EntriesNamed;
using support::Snapshot;

struct SpanCase {
  int year;
  int country;
  const char* region;
  const char* why;
};

constexpr SpanCase kCases[] = {
    {2027, country::kUnitedStates, "US-NY", "29 February in the second year"},
    {2023, country::kGermany, "DE-BY", "Hebrew leap year 5784; two Easters from April"},
    {2006, country::kUnitedStates, "", "the clocks change earlier from 2007"},
    {2022, country::kMexico, "", "no daylight saving from 2023"},
    {2031, country::kAustralia, "AU-NSW", "summer time across the new year"},
};

void Configure(CCalDatabase& db, const SpanCase& c, int year, int startMonth) {
  support::AddUserEntries(db);
  db.SetCountry(c.country);
  db.SetRegion(c.region);
  for (void (CCalDatabase::*set)(bool) :
       {&CCalDatabase::SetChristian, &CCalDatabase::SetHebrew, &CCalDatabase::SetEquinox,
        &CCalDatabase::SetFullMoons, &CCalDatabase::SetNational}) {
    (db.*set)(true);
  }
  db.SetYear(year);
  db.SetStartMonth(startMonth);
}

// The entries of `month` as their calendar shows them, slots aside.
std::vector<CalEntry> OfMonth(const CCalDatabase& db, int month) {
  std::vector<CalEntry> found;
  for (CalEntry e : Snapshot(db)) {
    e.index = 0;
    if (e.month == month) found.push_back(e);
  }
  return found;
}

std::set<std::pair<int, int>> DaysOffOfMonth(const CCalDatabase& db, int month) {
  std::set<std::pair<int, int>> found;
  for (const auto& day : DaysOffOf(db)) {
    if (day.first == month) found.insert(day);
  }
  return found;
}

TEST(StartMonth, EveryMonthHoldsWhatAJanuaryCalendarOfItsOwnYearHoldsAndRemovingLeavesTheUsersOwn) {
  for (const SpanCase& c : kCases) {
    CCalDatabase january[2];
    for (int next = 0; next < 2; ++next) {
      Configure(january[next], c, c.year + next, 0);
      CYearBuild().BuildYear(january[next], c.year + next, false);
    }
    for (int start = 1; start < 12; ++start) {
      CCalDatabase db;
      Configure(db, c, c.year, start);
      const auto userOnly = Snapshot(db);
      CYearBuild build;
      build.BuildYear(db, c.year, false);
      for (int month = 0; month < 12; ++month) {
        // The months before the start month are those of the next year.
        const CCalDatabase& own = january[month < start ? 1 : 0];
        EXPECT_EQ(OfMonth(db, month), OfMonth(own, month))
            << c.why << ", start " << start << ", month " << month;
        EXPECT_EQ(DaysOffOfMonth(db, month), DaysOffOfMonth(own, month)) << c.why << " " << start;
      }
      build.BuildYear(db, c.year, true);
      EXPECT_EQ(Snapshot(db), userOnly) << c.why << ", start " << start;
    }
  }
}

// Opening a calendar builds its days again: a holiday of the second year
// keeps the picture its owner gave it, and is not moved to the first year.
TEST(StartMonth, ABuildAgainKeepsThePictureOfAHolidayInTheSecondYear) {
  CCalDatabase db;
  Configure(db, kCases[0], 2027, 8);
  CYearBuild().BuildYear(db, 2027, false);
  CalEntry newYear = EntriesNamed(db, kNationalHoliday, "New Year's Day").at(0);
  newYear.pictureFile = "/photos/fireworks.jpg";
  db.PutEntry(newYear, newYear.index);
  const auto before = Snapshot(db);
  CYearBuild().BuildYear(db, 2027, false);
  EXPECT_EQ(Snapshot(db), before);
}

}  // namespace
}  // namespace tessolar
