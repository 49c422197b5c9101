// Holidays of Ireland, New Zealand and Mexico on the dates their governments'
// lists give, in the years each side of every change in law: a day brought
// in, moved to a Monday, renamed or dated by a schedule. Daylight-saving days
// as the time-zone database has them.

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <tuple>
#include <utility>

#include "compute/language_table.h"
#include "generators/national_days.h"
#include "support/store_snapshot.h"

namespace tessolar {
namespace {

constexpr int kMexico = 4, kIreland = 5, kNewZealand = 7;
using MonthDay = std::pair<int, int>;

struct Dated {
  int country, year;
  const char* name;
  int month, day;  // 1..12; 0 when the day is not held that year
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

void ExpectDated(const Dated& d, int language) {
  const auto found =
      support::EntriesNamed(Days(d.country, d.year, language), kNationalHoliday, d.name);
  const std::string what = std::string(d.name) + " " + std::to_string(d.year) + " in language " +
                           std::to_string(language);
  if (d.month == 0) {
    EXPECT_TRUE(found.empty()) << what;
    return;
  }
  ASSERT_EQ(found.size(), 1u) << what;
  EXPECT_EQ(MonthDay(found[0].month + 1, found[0].day), MonthDay(d.month, d.day)) << what;
}

// Named as each country names them, the same in every page language.
const Dated kIrishDays[] = {
    // St Brigid's Day from 2023: the first Monday of February, or 1 February
    // when that is a Friday.
    {kIreland, 2022, "St Brigid's Day", 0, 0},
    {kIreland, 2023, "St Brigid's Day", 2, 6},
    {kIreland, 2024, "St Brigid's Day", 2, 5},
    {kIreland, 2030, "St Brigid's Day", 2, 1},
    {kIreland, 2031, "St Brigid's Day", 2, 3},
    {kIreland, 2036, "St Brigid's Day", 2, 1},
    {kIreland, 2024, "St Patrick's Day", 3, 17},
    {kIreland, 1993, "May Bank Holiday", 0, 0},
    {kIreland, 1994, "May Bank Holiday", 5, 2},
    {kIreland, 2024, "May Bank Holiday", 5, 6},
    {kIreland, 1972, "June Bank Holiday", 0, 0},
    {kIreland, 1973, "June Bank Holiday", 6, 4},
    {kIreland, 2024, "June Bank Holiday", 6, 3},
    {kIreland, 1972, "August Bank Holiday", 8, 7},
    {kIreland, 2024, "August Bank Holiday", 8, 5},
    {kIreland, 1976, "October Bank Holiday", 0, 0},
    {kIreland, 1977, "October Bank Holiday", 10, 31},
    {kIreland, 2024, "October Bank Holiday", 10, 28},
    // A weekend does not move an Irish holiday.
    {kIreland, 2021, "St Stephen's Day", 12, 26},
};

const Dated kNewZealandDays[] = {
    {kNewZealand, 2022, "Day after New Year's Day", 1, 2},
    // New Zealand Day became Waitangi Day in 1977; from 2014 a weekend moves
    // it, and Anzac Day, to the Monday.
    {kNewZealand, 1973, "New Zealand Day", 0, 0},
    {kNewZealand, 1974, "New Zealand Day", 2, 6},
    {kNewZealand, 1976, "New Zealand Day", 2, 6},
    {kNewZealand, 1977, "New Zealand Day", 0, 0},
    {kNewZealand, 1977, "Waitangi Day", 2, 6},
    {kNewZealand, 2011, "Waitangi Day", 2, 6},  // a Sunday
    {kNewZealand, 2013, "Waitangi Day", 2, 6},
    {kNewZealand, 2016, "Waitangi Day", 2, 8},  // a Saturday
    {kNewZealand, 2022, "Waitangi Day", 2, 7},  // a Sunday
    {kNewZealand, 2024, "Waitangi Day", 2, 6},
    {kNewZealand, 1920, "Anzac Day", 0, 0},
    {kNewZealand, 1921, "Anzac Day", 4, 25},
    {kNewZealand, 2009, "Anzac Day", 4, 25},  // a Saturday
    {kNewZealand, 2015, "Anzac Day", 4, 27},  // a Saturday
    {kNewZealand, 2021, "Anzac Day", 4, 26},  // a Sunday
    {kNewZealand, 2024, "Anzac Day", 4, 25},
    // The sovereign's birthday, the first Monday of June, named after the monarch.
    {kNewZealand, 1937, "King's Birthday", 0, 0},
    {kNewZealand, 1938, "King's Birthday", 6, 6},
    {kNewZealand, 1951, "King's Birthday", 6, 4},
    {kNewZealand, 1952, "Queen's Birthday", 6, 2},
    {kNewZealand, 2022, "Queen's Birthday", 6, 6},
    {kNewZealand, 2022, "King's Birthday", 0, 0},
    {kNewZealand, 2023, "King's Birthday", 6, 5},
    {kNewZealand, 2023, "Queen's Birthday", 0, 0},
    // Matariki on the dates its act lists, 2022 to 2052.
    {kNewZealand, 2021, "Matariki", 0, 0},
    {kNewZealand, 2022, "Matariki", 6, 24},
    {kNewZealand, 2023, "Matariki", 7, 14},
    {kNewZealand, 2036, "Matariki", 7, 18},
    {kNewZealand, 2052, "Matariki", 6, 21},
    {kNewZealand, 2053, "Matariki", 0, 0},
    {kNewZealand, 1909, "Labour Day", 0, 0},
    {kNewZealand, 1910, "Labour Day", 10, 24},
    {kNewZealand, 2024, "Labour Day", 10, 28},
    {kNewZealand, 2021, "Boxing Day", 12, 26},
};

// Three days moved to Mondays by the 2006 labour-law reform; Juárez's day
// kept 21 March in 2006, his bicentenary.
const Dated kMexicanDays[] = {
    {kMexico, 2005, "Aniversario de la Constitución", 2, 5},
    {kMexico, 2006, "Aniversario de la Constitución", 2, 6},
    {kMexico, 2008, "Aniversario de la Constitución", 2, 4},
    {kMexico, 2025, "Aniversario de la Constitución", 2, 3},
    {kMexico, 2005, "Natalicio de Benito Juárez", 3, 21},
    {kMexico, 2006, "Natalicio de Benito Juárez", 3, 21},
    {kMexico, 2007, "Natalicio de Benito Juárez", 3, 19},
    {kMexico, 2025, "Natalicio de Benito Juárez", 3, 17},
    {kMexico, 2005, "Aniversario de la Revolución", 11, 20},
    {kMexico, 2006, "Aniversario de la Revolución", 11, 20},
    {kMexico, 2007, "Aniversario de la Revolución", 11, 19},
    {kMexico, 2025, "Aniversario de la Revolución", 11, 17},
};

TEST(DatedHolidays, IrelandNewZealandAndMexicoInEveryLanguage) {
  for (int language = 0; language < kLanguageCount; ++language) {
    for (const Dated& d : kIrishDays) ExpectDated(d, language);
    for (const Dated& d : kNewZealandDays) ExpectDated(d, language);
    for (const Dated& d : kMexicanDays) ExpectDated(d, language);
  }
}

// The start and the end of summer time (English names), as the time-zone
// database dates them: New Zealand's summers since 1974-75, each change of
// rule, and the 2007 change that ended one summer under the old rule and
// began the next under the new; Ireland's European summer time.
TEST(DatedHolidays, DaylightSavingDaysOfIrelandAndNewZealand) {
  constexpr const char* kBegins = "Daylight Saving Time Begins";
  constexpr const char* kEnds = "Daylight Saving Time Ends";
  const Dated days[] = {
      {kNewZealand, 1973, kBegins, 0, 0},  {kNewZealand, 1973, kEnds, 0, 0},
      {kNewZealand, 1974, kBegins, 11, 3}, {kNewZealand, 1974, kEnds, 0, 0},
      {kNewZealand, 1975, kEnds, 2, 23},   {kNewZealand, 1975, kBegins, 10, 26},
      {kNewZealand, 1988, kEnds, 3, 6},    {kNewZealand, 1988, kBegins, 10, 30},
      {kNewZealand, 1989, kEnds, 3, 5},    {kNewZealand, 1989, kBegins, 10, 8},
      {kNewZealand, 1990, kEnds, 3, 18},   {kNewZealand, 1990, kBegins, 10, 7},
      {kNewZealand, 2006, kEnds, 3, 19},   {kNewZealand, 2006, kBegins, 10, 1},
      {kNewZealand, 2007, kEnds, 3, 18},   {kNewZealand, 2007, kBegins, 9, 30},
      {kNewZealand, 2008, kEnds, 4, 6},    {kNewZealand, 2008, kBegins, 9, 28},
      {kIreland, 1990, kBegins, 3, 25},    {kIreland, 1990, kEnds, 10, 28},
      {kIreland, 2007, kBegins, 3, 25},    {kIreland, 2007, kEnds, 10, 28},
  };
  for (const Dated& d : days) ExpectDated(d, 0);
}

}  // namespace
}  // namespace tessolar
