// Days off in Spain and Italy where one rule meets another: a Sunday
// holiday's Monday landing on a day that is already off, a community whose
// Saturday holidays move too, a day that moves itself, and years around a
// change of law.

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <tuple>
#include <utility>

#include "generators/countries.h"
#include "generators/holiday_rules.h"

namespace tessolar {
namespace {

using MonthDay = std::pair<int, int>;  // month 1..12, day

// The days off of `year` in `region`, Easter family included.
std::set<MonthDay> DaysOff(int country, const std::string& region, int year) {
  std::set<MonthDay> days;
  for (const auto& list :
       {NationalDaysOf(country, region, 0, year), EasterDaysOf(country, region, 0, year)}) {
    for (const HolidayDay& d : list) {
      if (d.off) days.insert({d.month + 1, d.day});
    }
  }
  return days;
}

TEST(SouthernDaysOff, SpanishSundayHolidaysGiveTheNextFreeDay) {
  // Christmas 2022 on a Sunday: Monday 26 off in the whole country and in
  // Andalusia; Catalonia already keeps 26 December and gains no 27th.
  for (const std::string region : {"", "ES-AN", "ES-CT"}) {
    const auto days = DaysOff(country::kSpain, region, 2022);
    EXPECT_EQ(days.count({12, 26}), 1u) << region;
    EXPECT_EQ(days.count({12, 27}), 0u) << region;
  }
  // Melilla, 2039: Monday 26 is the Feast of the Sacrifice, so Tuesday.
  EXPECT_EQ(DaysOff(country::kSpain, "ES-ML", 2039).count({12, 27}), 1u);
  // Catalonia moves a Saturday 1 May to Monday 3 as well; Galicia moves neither.
  EXPECT_EQ(DaysOff(country::kSpain, "ES-CT", 2027).count({5, 3}), 1u);
  EXPECT_EQ(DaysOff(country::kSpain, "ES-GA", 2022).count({5, 2}), 0u);
  // Madrid's own day leaves a Sunday 2 May for the Monday.
  const auto madrid = DaysOff(country::kSpain, "ES-MD", 2027);
  EXPECT_EQ(madrid.count({5, 2}), 0u);
  EXPECT_EQ(madrid.count({5, 3}), 1u);
}

TEST(SouthernDaysOff, SpanishHolyWeekDiffersByCommunity) {
  // Easter 2027 is 28 March: Jueves Santo on the 25th, Easter Monday on the 29th.
  const MonthDay holyThursday{3, 25}, easterMonday{3, 29};
  for (const auto& [region, thursday, monday] :
       {std::tuple("ES-MD", 1u, 0u), std::tuple("ES-CT", 0u, 1u), std::tuple("ES-VC", 0u, 1u),
        std::tuple("ES-NC", 1u, 1u)}) {
    const auto days = DaysOff(country::kSpain, region, 2027);
    EXPECT_EQ(days.count(holyThursday), thursday) << region;
    EXPECT_EQ(days.count(easterMonday), monday) << region;
    EXPECT_EQ(days.count({3, 26}), 1u) << region;  // Good Friday everywhere
  }
}

TEST(SouthernDaysOff, ItalianDaysAroundTheirLaws) {
  EXPECT_EQ(DaysOff(country::kItaly, "", 2025).count({10, 4}), 0u);
  EXPECT_EQ(DaysOff(country::kItaly, "", 2026).count({10, 4}), 1u);
  // The Republic's day on the first Sunday of June until 2000, 2 June after.
  EXPECT_EQ(DaysOff(country::kItaly, "", 2000).count({6, 2}), 0u);
  EXPECT_EQ(DaysOff(country::kItaly, "", 2000).count({6, 4}), 1u);
  EXPECT_EQ(DaysOff(country::kItaly, "", 2001).count({6, 2}), 1u);
  EXPECT_EQ(DaysOff(country::kItaly, "", 2011).count({3, 17}), 1u);
  EXPECT_EQ(DaysOff(country::kItaly, "", 2012).count({3, 17}), 0u);
}

}  // namespace
}  // namespace tessolar
