// National holidays: the example dates, the rows that keep their own year,
// Australia Day, the countries without a list, and every floating day of
// 1800..2200 against a direct count of weekdays on the C library's calendar.

#include "compute/generators/national_days.h"

#include <gtest/gtest.h>

#include <ctime>

#include "compute/language_table.h"
#include "compute/store_snapshot.h"

namespace tessolar {
namespace {

constexpr int kCountriesWithLists[] = {0, 1, 2, 3, 4, 6};

CCalDatabase& Build(CCalDatabase& db, int country, int year, int language = 0) {
  SetCountryIndex(country);
  SetLanguageIndex(language);
  GenerateNationalDays(db, year, 0);
  return db;
}

// Month (1..12) and day of the one entry with this name, or {0, 0}.
std::pair<int, int> DateOf(const CCalDatabase& db, const std::string& name,
                           uint32_t type = kNationalHoliday) {
  const auto found = support::EntriesNamed(db, type, name);
  if (found.size() != 1) return {0, 0};
  return {found[0].month + 1, found[0].day};
}

using MonthDay = std::pair<int, int>;

TEST(NationalDays, UnitedStatesExampleYears) {
  CCalDatabase db2007;
  Build(db2007, 0, 2007);
  EXPECT_EQ(DateOf(db2007, "Martin Luther King Day"), MonthDay(1, 15));
  EXPECT_EQ(DateOf(db2007, "Memorial Day"), MonthDay(5, 28));
  EXPECT_EQ(DateOf(db2007, "Thanksgiving"), MonthDay(11, 22));
  EXPECT_TRUE(support::EntriesNamed(db2007, kNationalHoliday, "Election Day").empty());
  EXPECT_EQ(DateOf(db2007, "Daylight Saving Time Begins"), MonthDay(3, 11));
  EXPECT_EQ(DateOf(db2007, "Daylight Saving Time Ends"), MonthDay(11, 4));
  EXPECT_EQ(DateOf(db2007, "Christmas", kChristianHoliday), MonthDay(12, 25));
  EXPECT_EQ(db2007.Count(), 17u + 9u + 2u);

  CCalDatabase db2008;
  Build(db2008, 0, 2008);
  EXPECT_EQ(DateOf(db2008, "Election Day"), MonthDay(11, 4));
  EXPECT_EQ(DateOf(db2008, "Daylight Saving Time Begins"), MonthDay(3, 9));
  EXPECT_EQ(DateOf(db2008, "Daylight Saving Time Ends"), MonthDay(11, 2));
  EXPECT_EQ(db2008.Count(), 17u + 10u + 2u);
}

// Each country's own summer-time days, in years on both sides of its changes of rule.
TEST(NationalDays, DaylightSavingDaysFollowEachCountrysRule) {
  struct Case {
    int country, year;
    MonthDay begins, ends;
  };
  const Case cases[] = {
      {0, 2006, {4, 2}, {10, 29}},  {1, 2006, {4, 2}, {10, 29}},  {1, 2007, {3, 11}, {11, 4}},
      {2, 2024, {3, 31}, {10, 27}}, {6, 2024, {3, 31}, {10, 27}}, {6, 2006, {3, 26}, {10, 29}},
      {3, 2007, {10, 28}, {3, 25}}, {3, 2024, {10, 6}, {4, 7}},   {4, 2022, {4, 3}, {10, 30}},
  };
  for (const Case& c : cases) {
    CCalDatabase db;
    Build(db, c.country, c.year);
    EXPECT_EQ(DateOf(db, "Daylight Saving Time Begins"), c.begins) << c.country << " " << c.year;
    EXPECT_EQ(DateOf(db, "Daylight Saving Time Ends"), c.ends) << c.country << " " << c.year;
    const auto begins = support::EntriesNamed(db, kNationalHoliday, "Daylight Saving Time Begins");
    ASSERT_EQ(begins.size(), 1u);
    EXPECT_EQ(begins[0].pictureFile, "daylight_savings1.gif");
  }
  // Mexico gave up summer time after 2022.
  CCalDatabase mexico;
  Build(mexico, 4, 2023);
  EXPECT_TRUE(
      support::EntriesNamed(mexico, kNationalHoliday, "Daylight Saving Time Begins").empty());
  EXPECT_TRUE(support::EntriesNamed(mexico, kNationalHoliday, "Daylight Saving Time Ends").empty());
}

TEST(NationalDays, CountryExampleDays) {
  CCalDatabase canada;
  Build(canada, 1, 2007);
  EXPECT_EQ(DateOf(canada, "Victoria Day"), MonthDay(5, 21));
  EXPECT_EQ(DateOf(canada, "Thanksgiving"), MonthDay(10, 8));
  EXPECT_EQ(canada.Count(), 12u + 8u + 2u);

  CCalDatabase germany;
  Build(germany, 6, 2007);
  EXPECT_EQ(DateOf(germany, "Tag des Gebets und des Repentance"), MonthDay(11, 21));
  EXPECT_EQ(germany.Count(), 8u + 1u + 2u);

  CCalDatabase uk;
  Build(uk, 2, 2007);
  EXPECT_EQ(DateOf(uk, "Late Summar Holiday"), MonthDay(8, 27));
  EXPECT_EQ(uk.Count(), 5u + 3u + 2u);

  // Quoted names stay as they are in every language, accents and blanks included.
  CCalDatabase mexico;
  Build(mexico, 4, 2007, 2);
  EXPECT_EQ(DateOf(mexico, "Día de la San Valentín "), MonthDay(2, 14));
  EXPECT_EQ(DateOf(mexico, "Natilicio de Benito Juárez"), MonthDay(3, 21));
  EXPECT_EQ(mexico.Count(), 16u + 1u + 2u);
}

TEST(NationalDays, AustraliaDayMovesOffASundayOnly) {
  CCalDatabase db2007;
  EXPECT_EQ(DateOf(Build(db2007, 3, 2007), "Australia Day"), MonthDay(1, 26));
  CCalDatabase db2014;
  EXPECT_EQ(DateOf(Build(db2014, 3, 2014), "Australia Day"), MonthDay(1, 27));
  for (int year = 1800; year <= 2200; ++year) {
    std::tm tm{};
    tm.tm_year = year - 1900;
    tm.tm_mday = 26;
    const time_t t = timegm(&tm);
    gmtime_r(&t, &tm);
    CCalDatabase db;
    Build(db, 3, year);
    // 26 January on a Saturday stays.
    ASSERT_EQ(DateOf(db, "Australia Day").second, tm.tm_wday == 0 ? 27 : 26) << year;
    GenerateNationalDays(db, year, 1);
    db.SortAndCompact();
    ASSERT_EQ(db.Count(), 0u) << year;
  }
}

TEST(NationalDays, BirthYearRowsKeepTheirYearWhateverYearIsBuilt) {
  for (const int year : {1780, 2007, 2400}) {
    CCalDatabase db;
    Build(db, 0, year);
    const auto one = [&](uint32_t type, const char* name) {
      const auto found = support::EntriesNamed(db, type, name);
      return found.size() == 1 ? found[0].year : 0;
    };
    EXPECT_EQ(one(kNationalHoliday, "Lincoln's Birthday"), 1809);
    EXPECT_EQ(one(kNationalHoliday, "Washington's Birthday"), 1732);
    EXPECT_EQ(one(kNationalHoliday, "Pearl Harbor Remembrance"), 1941);
    EXPECT_EQ(one(kBirthday, "U.S. Marine Corps"), 1775);
    EXPECT_EQ(one(kNationalHoliday, "Independence Day"), year);
    GenerateNationalDays(db, year, 1);
    db.SortAndCompact();
    EXPECT_EQ(db.Count(), 0u) << year;
  }
}

TEST(NationalDays, CountriesWithoutAListEnterAndRemoveNothing) {
  CCalDatabase db;
  Build(db, 0, 2007);
  const auto before = support::Snapshot(db);
  for (const int country : {5, 7}) {
    SetCountryIndex(country);
    GenerateNationalDays(db, 2007, 0);
    GenerateNationalDays(db, 2007, 1);
    EXPECT_EQ(support::Snapshot(db), before) << country;
  }
}

TEST(NationalDays, YearsBeforeTheWeekdayRulesGetTheFixedRowsOnly) {
  ::testing::internal::CaptureStdout();
  CCalDatabase db;
  Build(db, 0, 1700);
  const std::string out = ::testing::internal::GetCapturedStdout();
  EXPECT_EQ(db.Count(), 17u);
  EXPECT_NE(out.find("This program only supports years after 1775"), std::string::npos);
  ::testing::internal::CaptureStdout();
  GenerateNationalDays(db, 1700, 1);
  ::testing::internal::GetCapturedStdout();
  db.SortAndCompact();
  EXPECT_EQ(db.Count(), 0u);
}

// The day of the n-th (1..4) or last (5) `weekday` of `month` (0-based),
// counted day by day on the C library's calendar.
int CountedWeekday(int year, int month, int weekday, int nth) {
  int seen = 0, last = 0;
  for (int day = 1; day <= 31; ++day) {
    std::tm tm{};
    tm.tm_year = year - 1900;
    tm.tm_mon = month;
    tm.tm_mday = day;
    const time_t t = timegm(&tm);
    gmtime_r(&t, &tm);
    if (tm.tm_mon != month) break;
    if (tm.tm_wday != weekday) continue;
    last = day;
    if (++seen == nth) return day;
  }
  return last;
}

struct Rule {
  int country;
  const char* name;
  int month, weekday, nth;  // nth 5 = last
  int shift = 0;            // days after the rule's day
};

const Rule kRules[] = {
    {0, "Martin Luther King Day", 0, 1, 3},
    {0, "Presidents' Day", 1, 1, 3},
    {0, "Mother's Day", 4, 0, 2},
    {0, "Armed Forces Day", 4, 6, 3},
    {0, "Memorial Day", 4, 1, 5},
    {0, "Father's Day", 5, 0, 3},
    {0, "Labor Day", 8, 1, 1},
    {0, "Columbus Day", 9, 1, 2},
    {0, "Election Day", 10, 1, 1, 1},
    {0, "Thanksgiving", 10, 4, 4},
    {1, "Family Day", 1, 1, 3},
    {1, "Labour Day", 8, 1, 1},
    {1, "Discovery Day (Yukon)", 7, 1, 3},
    {1, "Thanksgiving", 9, 1, 2},
    {2, "Late Summar Holiday", 7, 1, 5},
    {2, "May Day Bank Holiday", 4, 1, 1},
    {2, "Spring Bank Holiday", 4, 1, 5},
    {3, "Father's Day", 8, 0, 1},
    {3, "Queen's Birthday", 5, 1, 2},
    {4, "Father's Day", 5, 0, 3},
    {6, "Tag des Gebets und des Repentance", 10, 2, 3, 1},
};

TEST(NationalDays, FloatingDaysMatchADirectCountOfWeekdays) {
  for (int year = 1800; year <= 2200; ++year) {
    CCalDatabase lists[kCountryCount];
    for (const int country : kCountriesWithLists) Build(lists[country], country, year);
    for (const Rule& rule : kRules) {
      const auto found = support::EntriesNamed(lists[rule.country], kNationalHoliday, rule.name);
      if (std::string(rule.name) == "Election Day" && year % 2 == 1) {
        ASSERT_TRUE(found.empty()) << year;
        continue;
      }
      ASSERT_EQ(found.size(), 1u) << rule.name << " " << year;
      ASSERT_EQ(found[0].month, rule.month);
      ASSERT_EQ(found[0].day, CountedWeekday(year, rule.month, rule.weekday, rule.nth) + rule.shift)
          << rule.country << " " << rule.name << " " << year;
    }
    // Victoria Day: the last Monday before 25 May.
    const int victoria = DateOf(lists[1], "Victoria Day").second;
    const int fourthMonday = CountedWeekday(year, 4, 1, 4);
    ASSERT_EQ(victoria, fourthMonday < 25 ? fourthMonday : fourthMonday - 7) << year;
    // Daylight saving, by each country's rule of the year (Sunday, nth or 5 = last).
    const auto sunday = [year](int month, int nth) {
      return MonthDay(month + 1, CountedWeekday(year, month, 0, nth));
    };
    for (const int country : kCountriesWithLists) {
      MonthDay begins, ends;
      if (country == 0 || country == 1) {
        begins = year >= 2007 ? sunday(2, 2) : sunday(3, 1);
        ends = year >= 2007 ? sunday(10, 1) : sunday(9, 5);
      } else if (country == 3) {
        begins = year >= 2008 ? sunday(9, 1) : sunday(9, 5);
        ends = year >= 2008 ? sunday(3, 1) : sunday(2, 5);
      } else if (country == 4) {
        begins = year <= 2022 ? sunday(3, 1) : MonthDay(0, 0);
        ends = year <= 2022 ? sunday(9, 5) : MonthDay(0, 0);
      } else {
        begins = sunday(2, 5);
        ends = sunday(9, 5);
      }
      ASSERT_EQ(DateOf(lists[country], "Daylight Saving Time Begins"), begins)
          << country << " " << year;
      ASSERT_EQ(DateOf(lists[country], "Daylight Saving Time Ends"), ends)
          << country << " " << year;
    }
  }
}

}  // namespace
}  // namespace tessolar
