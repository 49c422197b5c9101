// Clock changes against zdump, the tz database's own dumper (from the C
// library's package), for the zone of every region and country, 1970-2037;
// and the days a calendar gets from them.

#include <gtest/gtest.h>

#include <cstdio>
#include <ctime>
#include <memory>
#include <set>
#include <sstream>
#include <string>
#include <tuple>

#include "caldata/regions.h"
#include "compute/daylight_saving.h"
#include "compute/language_table.h"
#include "generators/national_days.h"
#include "support/store_snapshot.h"

namespace tessolar {
namespace {

using Change = std::tuple<int, int, int, bool>;  // year, month 0..11, day, forward

// zdump -v prints each transition as two lines, the last second before it and
// the first after, each with its local time, isdst and gmtoff; it may print
// lines of its own at the ends of the range, so any two lines in a row that
// differ make a change. The day of a change is the day the skipped hour
// begins (a second after the line before) or the repeated hour lies in (the
// line after).
std::set<Change> ZdumpChanges(const std::string& zone) {
  std::set<Change> changes;
  const std::string command = "zdump -v -c 1970,2038 " + zone;
  std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
  if (!pipe) return changes;
  static const char* kMonths = "JanFebMarAprMayJunJulAugSepOctNovDec";
  struct Side {
    std::tm local{};
    int isdst = 0;
    long offset = 0;
  } before;
  bool haveBefore = false;
  char line[512];
  while (std::fgets(line, sizeof line, pipe.get()) != nullptr) {
    std::istringstream in(line);
    std::string name, w1, m1, d1, t1, y1, ut, eq, w2, month, day, time, year, abbr, isdst, gmtoff;
    if (!(in >> name >> w1 >> m1 >> d1 >> t1 >> y1 >> ut >> eq >> w2 >> month >> day >> time >>
          year >> abbr >> isdst >> gmtoff)) {
      continue;
    }
    std::tm local{};
    local.tm_year = std::stoi(year) - 1900;
    local.tm_mon = static_cast<int>(std::string(kMonths).find(month) / 3);
    local.tm_mday = std::stoi(day);
    std::sscanf(time.c_str(), "%d:%d:%d", &local.tm_hour, &local.tm_min, &local.tm_sec);
    Side side;
    side.local = local;
    side.isdst = std::stoi(isdst.substr(6));
    side.offset = std::stol(gmtoff.substr(7));
    if (haveBefore && before.isdst != side.isdst && before.offset != side.offset) {
      const bool forward = side.offset > before.offset;
      std::tm day = forward ? before.local : side.local;
      if (forward) {
        ++day.tm_sec;
        timegm(&day);  // into the next day after 23:59:59
      }
      changes.insert({day.tm_year + 1900, day.tm_mon, day.tm_mday, forward});
    }
    before = side;
    haveBefore = true;
  }
  return changes;
}

TEST(ClockChanges, EveryZoneOfARegionOrCountryMatchesZdumpFrom1970To2037) {
  std::set<std::string> zones;
  for (int country = 0; country < kCountryCount; ++country) {
    zones.insert(ZoneOf(country, ""));
    for (const Region& region : RegionsOf(country)) zones.insert(region.zone);
  }
  for (const std::string& zone : zones) {
    ASSERT_TRUE(ClockChangesOf(zone, 1970).has_value()) << zone;
    const std::set<Change> expected = ZdumpChanges(zone);
    ASSERT_FALSE(expected.empty() && zone == "Europe/Berlin") << "zdump gave nothing";
    std::set<Change> ours;
    for (int year = 1970; year <= 2037; ++year) {
      const auto changes = ClockChangesOf(zone, year);
      for (const ClockChange& c : *changes) {
        ours.insert({year, c.month, c.day, c.forward});
      }
    }
    EXPECT_EQ(ours, expected) << zone;
  }
}

TEST(ClockChanges, PastTheTableAZoneKeepsItsLastRuleAndAnUnknownZoneHasNone) {
  const auto changes = *ClockChangesOf("America/New_York", 2100);
  ASSERT_EQ(changes.size(), 2u);
  // The second Sunday of March and the first of November.
  EXPECT_EQ(std::make_tuple(changes[0].month, changes[0].day, changes[0].forward),
            std::make_tuple(2, 14, true));
  EXPECT_EQ(std::make_tuple(changes[1].month, changes[1].day, changes[1].forward),
            std::make_tuple(10, 7, false));
  EXPECT_FALSE(ClockChangesOf("Mars/Olympus_Mons", 2027).has_value());
  EXPECT_FALSE(ClockChangesOf("../../etc/passwd", 2027).has_value());
  EXPECT_TRUE(ClockChangesOf("Europe/Berlin", 1975)->empty());
}

// A calendar's clock changes come from its region's zone, else its country's.
TEST(ClockChanges, ACalendarShowsTheChangesOfItsRegionsZone) {
  const struct {
    int country;
    const char* region;
    int year;
    size_t changes;
  } calendars[] = {
      {3, "", 2027, 2},     {3, "AU-QLD", 2027, 0}, {3, "AU-WA", 2009, 1},
      {0, "US-AZ", 2027, 0}, {0, "US-HI", 2027, 0}, {1, "CA-SK", 2027, 0},
      {0, "US-IN", 2005, 0}, {0, "US-IN", 2006, 2}, {6, "", 1979, 0},
      {6, "", 1980, 2},      {4, "", 2023, 0},       {4, "", 2022, 2},
  };
  for (const auto& c : calendars) {
    CCalDatabase db;
    db.SetCountry(c.country);
    ASSERT_TRUE(db.SetRegion(c.region)) << c.region;
    GenerateNationalDays(db, c.year, 0);
    db.SortAndCompact();
    const size_t found = support::EntriesNamed(db, kNationalHoliday,
                                               LanguageString(0, lang::kDaylightSavingTimeBegins))
                             .size() +
                         support::EntriesNamed(db, kNationalHoliday,
                                               LanguageString(0, lang::kDaylightSavingTimeEnds))
                             .size();
    EXPECT_EQ(found, c.changes) << c.country << " " << c.region << " " << c.year;
  }
}

}  // namespace
}  // namespace tessolar
