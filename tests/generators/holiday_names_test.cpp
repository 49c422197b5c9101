// The names the computed days print: compared with the holiday names of
// python-holidays (tests/data/holiday_names_reference.tsv, written by
// tools/holiday_names_reference.py), the names that changed over the years,
// the rules that hang on a row rather than on its wording, and clean texts.

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <map>
#include <set>
#include <string>
#include <tuple>

#include "compute/language_table.h"
#include "generators/year_build.h"
#include "support/store_snapshot.h"

namespace tessolar {
namespace {

CCalDatabase Built(std::tuple<int, int, int> countryLanguageYear) {
  const auto [country, language, year] = countryLanguageYear;
  CCalDatabase db;
  db.SetCountry(country);
  db.SetLanguage(language);
  db.SetChristian(true);
  db.SetNational(true);
  db.SetHebrew(true);
  db.SetEquinox(true);
  db.SetFullMoons(true);
  CYearBuild().BuildYear(db, year, false);
  return db;
}

// Each reference region is compared with our calendar of that country in its
// language, and there with the computed days of these types.
struct Region {
  int country, language;
  std::set<uint32_t> types;
};
const std::set<uint32_t> kNationalDays = {kNationalHoliday, kChristianHoliday};
// Jewish days bear the same names in every country; French, Dutch and
// Italian Easter-based days the names of a page language the tables do not
// hold yet, so only the national days of those countries are compared.
const std::map<std::string, Region> kRegions = {
    {"US", {0, 0, kNationalDays}},       {"CA", {1, 0, kNationalDays}},
    {"GB", {2, 0, kNationalDays}},       {"AU", {3, 0, kNationalDays}},
    {"MX", {4, 1, kNationalDays}},       {"DE", {6, 2, kNationalDays}},
    {"NZ", {7, 0, kNationalDays}},       {"ES", {12, 1, kNationalDays}},
    {"AT", {13, 2, kNationalDays}},      {"FR", {8, 0, {kNationalHoliday}}},
    {"NL", {10, 0, {kNationalHoliday}}}, {"IT", {11, 0, {kNationalHoliday}}},
    {"IL", {0, 0, {kHebrewHoliday}}},
};

// Where a wall calendar legitimately writes a day otherwise than the
// reference: our name, the reference's.
const std::map<std::string, std::string> kWrittenOtherwise = {
    {"Presidents' Day", "Washington's Birthday"},  // the federal name
    {"Martin Luther King Day", "Martin Luther King, Jr. Day"},
    {"May Day Bank Holiday", "May Day"},
    {"Royal Wedding", "Wedding of Charles and Diana"},
    {"Discovery Day (Yukon)", "Discovery Day"},  // Newfoundland's is another row
    {"Quebec National Day", "St. Jean Baptiste Day"},
    {"Aniversario de la Constitución", "Día de la Constitución"},
    {"Aniversario de la Revolución", "Día de la Revolución"},
    {"Tag der Arbeit", "Erster Mai"},
    {"Weihnachten", "Erster Weihnachtstag"},
    {"Victoire 1945", "Armistice 1945"},
    {"Epifania", "Epifania del Signore"},
    {"Ferragosto", "Assunzione della Vergine"},
    {"Ognissanti", "Tutti i Santi"},
    {"Año Nuevo", "Año nuevo"},  // Mexico's is written as ours
    {"Fiesta del Trabajo", "Día del Trabajador"},
    {"Fiesta Nacional de España", "Día de la Hispanidad"},  // its name since 1987
    {"Día de la Constitución", "Día de la constitución Española"},
    {"Inmaculada Concepción", "La Inmaculada Concepción"},
    {"Rosh Hashanah II", "Rosh Hashanah"},  // Israel keeps two days of one name
    {"Sukkot", "Sukkot I"},
    {"Shemini Atzeret", "Sukkot VII"},
    {"Lag BaOmer", "Lag B'Omer"},
};

// The reference dates Purim and Israel's Memorial and Independence Days by
// the evening they begin, a day before ours and hebcal's (its Purim meets our
// Fast of Esther): not compared.
const std::set<std::string> kDatedByTheirEve = {"Purim", "Ta'anit Esther", "Yom HaZikaron",
                                                "Yom HaAtzmaut"};

// On every date where the reference and our calendar both have a day, one of
// our names is the reference's.
TEST(HolidayNames, MatchTheReferenceOnEveryDateBothHaveADay) {
  std::ifstream in(std::string(TESSOLAR_TEST_DATA) + "/holiday_names_reference.tsv");
  ASSERT_TRUE(in.good());
  std::map<std::pair<std::string, std::string>, std::set<std::string>> reference;
  for (std::string line; std::getline(in, line);) {
    char region[8], date[16], name[128];
    if (line.empty() || line[0] == '#') continue;
    ASSERT_EQ(std::sscanf(line.c_str(), "%7[^\t]\t%15[^\t]\t%127[^\n]", region, date, name), 3);
    ASSERT_EQ(kRegions.count(region), 1u) << line;
    reference[{region, date}].insert(name);
  }
  std::map<std::tuple<int, int, int>, CCalDatabase> calendars;
  std::map<std::string, int> compared;
  for (const auto& [key, names] : reference) {
    const auto& [code, date] = key;
    const Region& region = kRegions.at(code);
    int year = 0, month = 0, day = 0;
    ASSERT_EQ(std::sscanf(date.c_str(), "%d-%d-%d", &year, &month, &day), 3) << date;
    const auto which = std::make_tuple(region.country, region.language, year);
    if (!calendars.count(which)) calendars.emplace(which, Built(which));
    std::set<std::string> ours;
    for (const CalEntry& e : support::Snapshot(calendars.at(which))) {
      if (e.month + 1 == month && e.day == day && region.types.count(e.type) != 0 &&
          kDatedByTheirEve.count(e.description) == 0) {
        ours.insert(e.description);
        const auto otherwise = kWrittenOtherwise.find(e.description);
        if (otherwise != kWrittenOtherwise.end()) ours.insert(otherwise->second);
      }
    }
    if (ours.empty()) continue;
    ++compared[code];
    bool shared = false;
    for (const std::string& name : ours) shared = shared || names.count(name) != 0;
    EXPECT_TRUE(shared) << code << " " << date << ": ours '" << *ours.begin() << "', theirs '"
                        << *names.begin() << "'";
  }
  for (const auto& [code, region] : kRegions) EXPECT_GE(compared[code], 6) << code;
}

TEST(HolidayNames, NamesOfTheYearAndRulesThatHoldInEveryLanguage) {
  const struct {
    int country, language, year;
    const char* name;
    int month, day;  // 1..12; 0 when the day is not held that year
  } days[] = {
      {1, 0, 1981, "Dominion Day", 7, 1},
      {1, 1, 1982, "Canada Day", 7, 1},
      {3, 0, 1951, "King's Birthday", 6, 11},
      {3, 2, 2022, "Queen's Birthday", 6, 13},
      {3, 1, 2023, "King's Birthday", 6, 12},
      // The Tuesday after the first Monday of November, in even years only;
      // the Wednesday after the third Tuesday of November.
      {0, 1, 2008, "Día de las Elecciones", 11, 4},
      {0, 2, 2008, "Wahltag", 11, 4},
      {0, 2, 2007, "Wahltag", 0, 0},
      {6, 1, 2026, "Buß- und Bettag", 11, 18},
      {6, 2, 2027, "Buß- und Bettag", 11, 17},
  };
  for (const auto& d : days) {
    CCalDatabase db = Built({d.country, d.language, d.year});
    const auto found = support::EntriesNamed(db, kNationalHoliday, d.name);
    if (d.month == 0) {
      EXPECT_TRUE(found.empty()) << d.name << " " << d.year;
      continue;
    }
    ASSERT_EQ(found.size(), 1u) << d.name << " " << d.year;
    EXPECT_EQ(found[0].month + 1, d.month) << d.name << " " << d.year;
    EXPECT_EQ(found[0].day, d.day) << d.name << " " << d.year;
  }
}

TEST(HolidayNames, EveryNameIsACleanText) {
  for (int country = 0; country < kCountryCount; ++country) {
    for (int language = 0; language < kLanguageCount; ++language) {
      for (const int year : {1940, 1981, 2008, 2027}) {
        for (const CalEntry& e : support::Snapshot(Built({country, language, year}))) {
          const std::string& name = e.description;
          ASSERT_FALSE(name.empty());
          EXPECT_TRUE(name.front() != ' ' && name.back() != ' ' &&
                      name.find("  ") == std::string::npos)
              << "'" << name << "' " << country << " " << language << " " << year;
        }
      }
    }
  }
}

}  // namespace
}  // namespace tessolar
