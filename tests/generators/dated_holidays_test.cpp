// Holidays on the dates their governments' lists give, in the years each
// side of every change in law: a day brought in, dropped, moved off a
// weekend, renamed or dated by a schedule.

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "compute/language_table.h"
#include "generators/christian_days.h"
#include "generators/countries.h"
#include "generators/holiday_rules.h"
#include "generators/national_days.h"
#include "generators/national_lists.h"
#include "support/store_snapshot.h"

namespace tessolar {
namespace {

using namespace country;

struct Held {
  int year, month, day;  // month 1..12; 0 when the day is not held that year
};

// One holiday of a country in the years given.
struct Holiday {
  int country;
  const char* name;
  std::vector<Held> years;
};

// The national days of a country and year in a language, built once.
const CCalDatabase& Days(int country, int year, int language) {
  static std::map<std::tuple<int, int, int>, CCalDatabase> built;
  auto [at, added] = built.try_emplace({country, year, language});
  if (added) {
    at->second.SetCountry(country);
    at->second.SetLanguage(language);
    GenerateNationalDays(at->second, year, 0);
  }
  return at->second;
}

void ExpectHeld(const Holiday& h, int language) {
  for (const Held& held : h.years) {
    const auto found =
        support::EntriesNamed(Days(h.country, held.year, language), kNationalHoliday, h.name);
    const std::string what = std::string(h.name) + " " + std::to_string(held.year) + ", language " +
                             std::to_string(language);
    if (held.month == 0) {
      EXPECT_TRUE(found.empty()) << what;
      continue;
    }
    EXPECT_EQ(found.size(), 1u) << what;
    if (found.size() != 1) continue;
    EXPECT_EQ(std::make_pair(found[0].month + 1, int{found[0].day}),
              std::make_pair(held.month, held.day))
        << what;
  }
}

// Named as each country names them, the same in every page language.
const Holiday kHolidays[] = {
    // Ireland. St Brigid's Day from 2023: the first Monday of February, or
    // 1 February when that is a Friday (2030, 2036). A weekend moves nothing.
    {kIreland,
     "St Brigid's Day",
     {{2022, 0, 0}, {2023, 2, 6}, {2024, 2, 5}, {2030, 2, 1}, {2031, 2, 3}, {2036, 2, 1}}},
    {kIreland, "St Patrick's Day", {{2024, 3, 17}}},
    {kIreland, "May Bank Holiday", {{1993, 0, 0}, {1994, 5, 2}, {2024, 5, 6}}},
    {kIreland, "June Bank Holiday", {{1972, 0, 0}, {1973, 6, 4}, {2024, 6, 3}}},
    {kIreland, "August Bank Holiday", {{1972, 8, 7}, {2024, 8, 5}}},
    {kIreland, "October Bank Holiday", {{1976, 0, 0}, {1977, 10, 31}, {2024, 10, 28}}},
    {kIreland, "St Stephen's Day", {{2021, 12, 26}}},
    // New Zealand. New Zealand Day became Waitangi Day in 1977; it and Anzac
    // Day keep their dates when a weekend gives the Monday after off (2016,
    // 2022; 2015, 2021).
    {kNewZealand, "Day after New Year's Day", {{2022, 1, 2}}},
    {kNewZealand, "New Zealand Day", {{1973, 0, 0}, {1974, 2, 6}, {1976, 2, 6}, {1977, 0, 0}}},
    {kNewZealand, "Waitangi Day", {{1977, 2, 6}, {2016, 2, 6}, {2022, 2, 6}}},
    {kNewZealand, "Anzac Day", {{1920, 0, 0}, {1921, 4, 25}, {2015, 4, 25}, {2021, 4, 25}}},
    // The sovereign's birthday, the first Monday of June, named after the monarch.
    {kNewZealand,
     "King's Birthday",
     {{1937, 0, 0}, {1938, 6, 6}, {1951, 6, 4}, {2022, 0, 0}, {2023, 6, 5}}},
    {kNewZealand, "Queen's Birthday", {{1952, 6, 2}, {2022, 6, 6}, {2023, 0, 0}}},
    // Matariki on the dates its act lists, 2022 to 2052.
    {kNewZealand,
     "Matariki",
     {{2021, 0, 0}, {2022, 6, 24}, {2023, 7, 14}, {2036, 7, 18}, {2052, 6, 21}, {2053, 0, 0}}},
    {kNewZealand, "Labour Day", {{1909, 0, 0}, {1910, 10, 24}, {2024, 10, 28}}},
    {kNewZealand, "Boxing Day", {{2021, 12, 26}}},
    // Mexico. Three days moved to Mondays by the 2006 labour-law reform;
    // Juárez's day kept 21 March in 2006, his bicentenary.
    {kMexico,
     "Aniversario de la Constitución",
     {{2005, 2, 5}, {2006, 2, 6}, {2008, 2, 4}, {2025, 2, 3}}},
    {kMexico,
     "Natalicio de Benito Juárez",
     {{2005, 3, 21}, {2006, 3, 21}, {2007, 3, 19}, {2025, 3, 17}}},
    {kMexico,
     "Aniversario de la Revolución",
     {{2005, 11, 20}, {2006, 11, 20}, {2007, 11, 19}, {2025, 11, 17}}},
    // The president took office on 1 December until 2018, on 1 October from 2024.
    {kMexico,
     "Transmisión del Poder Ejecutivo Federal",
     {{2017, 0, 0}, {2018, 12, 1}, {2024, 10, 1}, {2025, 0, 0}}},
    // France: the Victory of 1945 a holiday 1953-1958, in 1965 and from 1982.
    {kFrance, "Victoire 1945", {{1952, 0, 0}, {1953, 5, 8}, {1958, 5, 8}, {1959, 0, 0}}},
    {kFrance, "Victoire 1945", {{1965, 5, 8}, {1981, 0, 0}, {1982, 5, 8}}},
    {kFrance, "Armistice 1918", {{1921, 0, 0}, {1922, 11, 11}}},
    // The Netherlands: off a Sunday to Monday 1 May until 1979, to the
    // Saturday before from 1980.
    {kNetherlands, "Koninginnedag", {{1948, 0, 0}, {1949, 4, 30}, {1950, 5, 1}, {1978, 5, 1}}},
    {kNetherlands, "Koninginnedag", {{1989, 4, 29}, {2006, 4, 29}, {2013, 4, 30}, {2014, 0, 0}}},
    {kNetherlands, "Koningsdag", {{2013, 0, 0}, {2014, 4, 26}, {2024, 4, 27}, {2025, 4, 26}}},
    {kNetherlands, "Bevrijdingsdag", {{1989, 0, 0}, {1990, 5, 5}, {2024, 5, 5}}},
    // Italy: the law of 1977 dropped the Epiphany until 1986 and moved the
    // Republic's day to the first Sunday of June until 2000.
    {kItaly, "Epifania", {{1976, 1, 6}, {1977, 0, 0}, {1985, 0, 0}, {1986, 1, 6}}},
    {kItaly, "Festa della Liberazione", {{1945, 0, 0}, {1946, 4, 25}}},
    {kItaly,
     "Festa della Repubblica",
     {{1946, 0, 0}, {1947, 6, 2}, {1976, 6, 2}, {1977, 6, 5}, {2000, 6, 4}, {2001, 6, 2}}},
    // Spain: 12 October under its four names; the Constitution's day from 1983.
    {kSpain, "Día de la Raza", {{1917, 0, 0}, {1918, 10, 12}, {1957, 10, 12}, {1958, 0, 0}}},
    {kSpain, "Día de la Hispanidad", {{1958, 10, 12}, {1981, 10, 12}, {1982, 0, 0}}},
    {kSpain, "Fiesta Nacional de España y Día de la Hispanidad", {{1982, 10, 12}, {1987, 0, 0}}},
    {kSpain, "Fiesta Nacional de España", {{1986, 0, 0}, {1987, 10, 12}}},
    {kSpain, "Día de la Constitución", {{1979, 0, 0}, {1982, 0, 0}, {1983, 12, 6}}},
    {kAustria, "Nationalfeiertag", {{1964, 0, 0}, {1965, 10, 26}}},
};

TEST(DatedHolidays, NamedAsTheirCountryNamesThemInEveryLanguage) {
  for (int language = 0; language < kLanguageCount; ++language) {
    for (const Holiday& h : kHolidays) ExpectHeld(h, language);
  }
}

// Belgium names its days in the page's language: German on a German page,
// Dutch on a Dutch one, French on any other (English, Spanish, French, Italian).
TEST(DatedHolidays, BelgianNamesFollowThePageLanguage) {
  for (const auto& [language, nationalDay, armistice] :
       {std::tuple(1, "Fête nationale", "Armistice"),
        std::tuple(2, "Nationalfeiertag", "Waffenstillstand")}) {
    ExpectHeld({kBelgium, nationalDay, {{1889, 0, 0}, {1890, 7, 21}, {2024, 7, 21}}}, language);
    ExpectHeld({kBelgium, armistice, {{1921, 0, 0}, {1922, 11, 11}}}, language);
  }
  const national::FixedRow& row = national::kBelgium.fixed.first[2];
  ASSERT_EQ(row.day, 21);
  EXPECT_EQ(national::NameOf(row.name, page_language::kDutch, 2024), "Nationale feestdag");
  EXPECT_EQ(national::NameOf(row.name, page_language::kItalian, 2024), "Fête nationale");
  // Easter Monday as Belgians write it in Dutch; the Dutch table's name in the Netherlands.
  EXPECT_EQ(FeastName(kBelgium, page_language::kDutch, lang::kEasterMonday), "Paasmaandag");
  EXPECT_EQ(FeastName(kNetherlands, page_language::kDutch, lang::kEasterMonday),
            LanguageString(page_language::kDutch, lang::kEasterMonday));
}

// A Canadian province shows its own days off only, and the days moved off a
// Sunday: Canada Day to 2 July everywhere, Quebec's 24 June to the 25th.
TEST(DatedHolidays, CanadianRegionsShowTheirOwnDaysOff) {
  const struct {
    const char* region;
    int year;
    const char* name;
    int month, day;  // 1..12; 0 when the region has no such day off that year
  } cases[] = {
      {"", 2018, "Canada Day (observed)", 7, 2},
      {"CA-ON", 2018, "Canada Day (observed)", 7, 2},
      {"CA-ON", 2023, "Canada Day (observed)", 0, 0},  // a Saturday stays
      {"CA-QC", 2018, "Quebec National Day (observed)", 6, 25},
      {"CA-ON", 2018, "Quebec National Day", 0, 0},
      {"CA-BC", 2018, "Family Day", 2, 12},  // the second Monday until 2018
      {"CA-BC", 2019, "Family Day", 2, 18},
      {"", 1989, "Family Day", 0, 0},
      {"CA-ON", 2027, "Boxing Day", 12, 26},
      {"CA-ON", 2027, "British Columbia Day", 0, 0},
      {"CA-QC", 2027, "Remembrance Day", 0, 0},
      {"CA-QC", 2002, "Fête de Dollard", 5, 20},
      {"CA-QC", 2003, "National Patriots' Day", 5, 19},
  };
  for (const auto& c : cases) {
    std::pair<int, int> found{0, 0};
    for (const HolidayDay& d : NationalDaysOf(kCanada, c.region, 0, c.year)) {
      if (d.off && d.name == c.name) found = {d.month + 1, d.day};
    }
    EXPECT_EQ(found, std::make_pair(c.month, c.day)) << c.region << " " << c.year << " " << c.name;
  }
}

// The start and the end of summer time, as the time-zone database dates them:
// New Zealand's summers since 1974-75, each change of rule, and the 2007
// change that ended one summer under the old rule and began the next under
// the new; Ireland's European summer time; the continent's common rule from
// 1980, which ended in September until 1995.

}  // namespace
}  // namespace tessolar
