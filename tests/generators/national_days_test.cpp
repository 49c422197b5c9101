#include "generators/national_days.h"

#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <string>

#include "generators/holiday_rules.h"
#include "support/civil_reference.h"
#include "support/store_snapshot.h"

namespace tessolar {
namespace {

// National holidays: the sizes of the lists, names kept in every language,
// years before the weekday rules, and every floating day of 1800..2200
// against a direct count of weekdays on the C library's calendar.

using support::CountedWeekday;
using MonthDay = std::pair<int, int>;

CCalDatabase& Build(CCalDatabase& db, int country, int year, int language = 0) {
  db.SetCountry(country);
  db.SetLanguage(language);
  GenerateNationalDays(db, year, 0);
  return db;
}

// Month (1..12) and day of the one entry with this name, or {0, 0}.
MonthDay DateOf(const CCalDatabase& db, const std::string& name, uint32_t type = kNationalHoliday) {
  const auto found = support::EntriesNamed(db, type, name);
  return found.size() == 1 ? MonthDay(found[0].month + 1, found[0].day) : MonthDay(0, 0);
}

using NationalDays = support::CalendarTest;

// List sizes: the rows of the list, the weekday-rule days, the days off in place of a
// holiday on a weekend (Canada's 1 July and 24 June, Sundays in 2007; St Patrick's on a
// Saturday in 2007, a Sunday in 2024) and the two daylight-saving days.
TEST_F(NationalDays, ListSizesAndNamesQuotedInEveryLanguage) {
  const struct {
    int country, year;
    uint32_t count;
  } sizes[] = {{0, 2007, 17 + 9 + 1 + 2}, {0, 2008, 17 + 10 + 2},   {1, 2007, 12 + 8 + 2 + 2},
               {6, 2007, 8 + 1 + 2},      {2, 2007, 5 + 3 + 1 + 2}, {4, 2007, 13 + 4 + 2},
               {5, 2024, 4 + 5 + 1 + 2},  {7, 2024, 6 + 2 + 1 + 2}, {8, 1965, 7 + 1}};
  for (const auto& s : sizes) {
    CCalDatabase db;
    EXPECT_EQ(Build(db, s.country, s.year).Count(), s.count) << s.country << " " << s.year;
  }
  // Names written in the country's own language stay so in every language, accents included.
  CCalDatabase mexico;
  Build(mexico, 4, 2007, 2);
  EXPECT_EQ(DateOf(mexico, "Día de San Valentín"), MonthDay(2, 14));
  EXPECT_EQ(DateOf(mexico, "Natalicio de Benito Juárez"), MonthDay(3, 19));
}

TEST_F(NationalDays, YearsBeforeTheRules) {
  // Before 1775 only the fixed rows are entered, and only the days kept by
  // then: no birthday before the birth (Washington's), no Independence Day.
  CCalDatabase old;
  Notes notes;
  GenerateNationalDays(old, 1700, 0, &notes);
  EXPECT_EQ(old.Count(), 7u);
  EXPECT_TRUE(support::EntriesNamed(old, kNationalHoliday, "Washington's Birthday").empty());
  ASSERT_EQ(notes.size(), 1u);
  EXPECT_NE(notes[0].find("from 1775 on; 1700 has only"), std::string::npos);
}

// A picture a list names that is not shipped leaves its day bare in every calendar.
TEST_F(NationalDays, EveryPictureTheListsNameIsShipped) {
  std::ifstream list(std::string(TESSOLAR_TEST_DATA) + "/clipart_names.txt");
  std::set<std::string> shipped = {"null"};
  for (std::string line; std::getline(list, line);) shipped.insert(line);
  ASSERT_GT(shipped.size(), 50u);
  for (int country = 0; country < kCountryCount; ++country) {
    for (const int year : {1990, 2024}) {
      CCalDatabase db;
      for (const CalEntry& e : support::Snapshot(Build(db, country, year))) {
        EXPECT_EQ(shipped.count(e.pictureFile), 1u) << e.description << ": " << e.pictureFile;
      }
    }
  }
}

// Days on a weekday rule as printed calendars date them in 1990, 2024 and 2027
// (month, day; none for Election Day in an odd year).
const struct AlmanacDay {
  int country;
  const char* name;
  MonthDay dates[3];
} kAlmanac[] = {
    {0, "Martin Luther King Day", {{1, 15}, {1, 15}, {1, 18}}},
    {0, "Presidents' Day", {{2, 19}, {2, 19}, {2, 15}}},
    {0, "Mother's Day", {{5, 13}, {5, 12}, {5, 9}}},
    {0, "Armed Forces Day", {{5, 19}, {5, 18}, {5, 15}}},
    {0, "Memorial Day", {{5, 28}, {5, 27}, {5, 31}}},
    {0, "Father's Day", {{6, 17}, {6, 16}, {6, 20}}},
    {0, "Labor Day", {{9, 3}, {9, 2}, {9, 6}}},
    {0, "Columbus Day", {{10, 8}, {10, 14}, {10, 11}}},
    {0, "Election Day", {{11, 6}, {11, 5}, {0, 0}}},
    {0, "Thanksgiving", {{11, 22}, {11, 28}, {11, 25}}},
    {1, "Family Day", {{2, 19}, {2, 19}, {2, 15}}},
    {1, "Labour Day", {{9, 3}, {9, 2}, {9, 6}}},
    {1, "Discovery Day (Yukon)", {{8, 20}, {8, 19}, {8, 16}}},
    {1, "Thanksgiving", {{10, 8}, {10, 14}, {10, 11}}},
    {2, "Late Summer Bank Holiday", {{8, 27}, {8, 26}, {8, 30}}},
    {2, "May Day Bank Holiday", {{5, 7}, {5, 6}, {5, 3}}},
    {2, "Spring Bank Holiday", {{5, 28}, {5, 27}, {5, 31}}},
    {3, "Father's Day", {{9, 2}, {9, 1}, {9, 5}}},
    {4, "Father's Day", {{6, 17}, {6, 16}, {6, 20}}},
    {6, "Buß- und Bettag", {{11, 21}, {11, 20}, {11, 17}}},
};

TEST_F(NationalDays, FloatingDaysFallOnTheirAlmanacDates) {
  const int years[] = {1990, 2024, 2027};
  for (int y = 0; y < 3; ++y) {
    CCalDatabase lists[kCountryCount];
    for (int country = 0; country < kCountryCount; ++country) {
      Build(lists[country], country, years[y]);
    }
    for (const AlmanacDay& day : kAlmanac) {
      EXPECT_EQ(DateOf(lists[day.country], day.name), day.dates[y])
          << day.country << " " << day.name << " " << years[y];
    }
  }
}

// Through four centuries, by a direct count of weekdays on the C library's calendar.
TEST_F(NationalDays, MovingRulesMatchADirectCountOfWeekdays) {
  for (int year = 1800; year <= 2200; ++year) {
    CCalDatabase lists[kCountryCount];
    for (int country = 0; country < kCountryCount; ++country) Build(lists[country], country, year);
    // Australia Day (from 1935, a day off from 1946), Waitangi Day and Anzac Day in New Zealand
    // (from 2014) keep their dates; on a weekend the Monday after is off.
    const auto mondayAfter = [year](int month, int day, int from) {
      const int weekday = support::LibraryWeekday(year, month, day);
      const int shift = weekday == 6 ? 2 : weekday == 0 ? 1 : 0;
      return year < from || shift == 0 ? MonthDay(0, 0) : MonthDay(month + 1, day + shift);
    };
    if (year >= 1935) {
      ASSERT_EQ(DateOf(lists[3], "Australia Day"), MonthDay(1, 26)) << year;
      ASSERT_EQ(DateOf(lists[3], "Australia Day (observed)"), mondayAfter(0, 26, 1946)) << year;
    }
    if (year >= 1977) {
      ASSERT_EQ(DateOf(lists[7], "Waitangi Day"), MonthDay(2, 6)) << year;
      ASSERT_EQ(DateOf(lists[7], "Waitangi Day (observed)"), mondayAfter(1, 6, 2014)) << year;
    }
    if (year >= 1921) {
      ASSERT_EQ(DateOf(lists[7], "Anzac Day (observed)"), mondayAfter(3, 25, 2014)) << year;
    }
    // St Brigid's Day: 1 February when a Friday, else the first Monday.
    if (year >= 2023) {
      ASSERT_EQ(DateOf(lists[5], "St Brigid's Day").second,
                support::LibraryWeekday(year, 1, 1) == 5 ? 1 : CountedWeekday(year, 1, 1, 1))
          << year;
    }
    // Victoria Day: the last Monday before 25 May, from 1952.
    const int fourthMonday = CountedWeekday(year, 4, 1, 4);
    if (year >= 1952) {
      ASSERT_EQ(DateOf(lists[1], "Victoria Day").second,
                fourthMonday < 25 ? fourthMonday : fourthMonday - 7);
    }
    for (int country = 0; country < kCountryCount; ++country) {
      if (lists[country].Count() == 0) continue;  // no list yet
      GenerateNationalDays(lists[country], year, 1);
      lists[country].SortAndCompact();
      ASSERT_EQ(lists[country].Count(), 0u) << country << " " << year;
    }
  }
}

// The names of the days off of `year` in `region` of the United States on
// month (1..12) and day.
std::set<std::string> UsDaysOff(const std::string& region, int year, int month, int day) {
  std::set<std::string> names;
  for (const HolidayDay& d : NationalDaysOf(0, region, 0, year)) {
    if (d.off && d.month + 1 == month && d.day == day) names.insert(d.name);
  }
  return names;
}

// Federal days off on a weekend are kept on the Friday before or the Monday
// after, a Saturday New Year's Day in the year before; a state shows its own
// days and not another state's.
TEST_F(NationalDays, UnitedStatesDaysOffMoveOffTheWeekendAndFollowTheState) {
  using Names = std::set<std::string>;
  EXPECT_EQ(UsDaysOff("", 2021, 12, 31), Names{"New Year's Day (observed)"});
  EXPECT_EQ(UsDaysOff("", 2021, 12, 24), Names{"Christmas Day (observed)"});
  EXPECT_EQ(UsDaysOff("", 2021, 6, 18), Names{"Juneteenth (observed)"});
  EXPECT_EQ(UsDaysOff("", 2022, 1, 1), Names{"New Year's Day"});
  EXPECT_TRUE(UsDaysOff("", 2020, 6, 19).empty());
  // Veterans Day on the fourth Monday of October 1971-1977.
  EXPECT_EQ(UsDaysOff("US-OH", 1975, 10, 27), Names{"Veterans Day"});
  EXPECT_TRUE(UsDaysOff("US-OH", 1975, 11, 11).empty());
  // North Carolina's Christmas Eve on a Saturday goes to Friday, Christmas Day's to Monday.
  EXPECT_EQ(UsDaysOff("US-NC", 2022, 12, 23), Names{"Christmas Eve (observed)"});
  EXPECT_EQ(UsDaysOff("US-NC", 2022, 12, 26), Names{"Christmas Day (observed)"});
  EXPECT_TRUE(UsDaysOff("US-VA", 2022, 12, 23).empty());
  EXPECT_EQ(UsDaysOff("US-CA", 2027, 3, 31), Names{"César Chávez Day"});
  EXPECT_TRUE(UsDaysOff("", 2027, 3, 31).empty());
  EXPECT_TRUE(UsDaysOff("US-CA", 2027, 10, 11).empty());
  EXPECT_EQ(UsDaysOff("US-CT", 2027, 2, 12), Names{"Lincoln's Birthday"});
  EXPECT_TRUE(UsDaysOff("US-CA", 2027, 2, 12).empty());
  // Inauguration Day in Washington only, on Monday 21 January when the 20th is a Sunday.
  EXPECT_EQ(UsDaysOff("US-DC", 2013, 1, 21), (Names{"Inauguration Day", "Martin Luther King Day"}));
  EXPECT_EQ(UsDaysOff("US-MD", 2013, 1, 21), Names{"Martin Luther King Day"});
}

// The days off the acts give in place of holidays on a weekend, where the
// rules of the regions differ and days off crowd together.
TEST_F(NationalDays, DaysOffInPlaceOfWeekendHolidays) {
  using Days = std::set<MonthDay>;
  const auto observed = [](int country, const std::string& region, int year) {
    Days days;
    for (const HolidayDay& d : NationalDaysOf(country, region, 0, year)) {
      if (d.observed) days.insert({d.month + 1, d.day});
    }
    return days;
  };
  // Christmas on a Saturday, Boxing Day on the Sunday: Monday and Tuesday.
  EXPECT_EQ(observed(2, "GB-EAW", 2021), (Days{{12, 27}, {12, 28}}));
  // Scotland: 1 and 2 January on a weekend; Christmas on a Sunday after
  // Boxing Day on the Monday; St Andrew's Day on a Saturday.
  EXPECT_EQ(observed(2, "GB-SCT", 2022), (Days{{1, 3}, {1, 4}, {12, 27}}));
  EXPECT_EQ(observed(2, "GB-SCT", 2024), (Days{{12, 2}}));
  EXPECT_EQ(observed(5, "", 2024), (Days{{3, 18}}));
  // Anzac Day on a Saturday gives a Monday in WA, none in NSW; on a Sunday
  // one in Queensland.
  EXPECT_EQ(observed(3, "AU-WA", 2020), (Days{{1, 27}, {4, 27}, {12, 28}}));
  EXPECT_EQ(observed(3, "AU-NSW", 2020), (Days{{1, 27}, {12, 28}}));
  EXPECT_EQ(observed(3, "AU-QLD", 2021), (Days{{4, 26}, {12, 27}, {12, 28}}));
  EXPECT_EQ(observed(7, "", 2022), (Days{{1, 3}, {1, 4}, {2, 7}, {12, 27}}));
}

}  // namespace
}  // namespace tessolar
