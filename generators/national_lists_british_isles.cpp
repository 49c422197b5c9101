#include "generators/national_lists.h"

namespace tessolar::national {
namespace {

// --- United Kingdom --------------------------------------------------------
constexpr FixedRow kUkFixed[] = {
    {kJan, 1, Entry(102), "new_year.jpg"},
    {kMar, 17, Text("St. Patrick's Day"), "shamrock.jpg"},
    {kJul, 12, Text("Battle of the Boyne"), "null"},
    {kDec, 25, Entry(75), "santa.png", kChristianHoliday},
    {kDec, 26, Text("Boxing Day"), "null"},
};
constexpr FloatingRow kUkFloating[] = {
    {Text("Late Summer Bank Holiday"), kWeekLast, kMon, kAug, "null"},
    {Text("May Day Bank Holiday"), kWeekFirst, kMon, kMay, "null"},
    {Text("Spring Bank Holiday"), kWeekLast, kMon, kMay, "null"},
};

// --- Ireland ---------------------------------------------------------------
// Named as the government's list of public holidays names them. The June
// bank holiday replaced Whit Monday in 1973; the October one came in 1977,
// the May one in 1994 and St Brigid's Day in 2023. None of them moves off a
// weekend: the law gives a day's leave or pay instead.
constexpr FixedRow kIeFixed[] = {
    {kJan, 1, Entry(102), "new_year.jpg"},
    {kMar, 17, Text("St Patrick's Day"), "shamrock.jpg"},
    {kDec, 25, Entry(75), "santa.png", kChristianHoliday},
    {kDec, 26, Text("St Stephen's Day"), "st_stephen.png"},
};
constexpr FloatingRow kIeFloating[] = {
    From(2023, {Text("St Brigid's Day"), kWeekFirst, kMon, kFeb, "st_brigid.png",
                FloatRule::kFirstWhenFriday}),
    From(1994, {Text("May Bank Holiday"), kWeekFirst, kMon, kMay, "null"}),
    From(1973, {Text("June Bank Holiday"), kWeekFirst, kMon, kJun, "null"}),
    {Text("August Bank Holiday"), kWeekFirst, kMon, kAug, "null"},
    From(1977, {Text("October Bank Holiday"), kWeekLast, kMon, kOct, "null"}),
};

}  // namespace

const CountryList kUnitedKingdom = {RowsOf(kUkFixed), RowsOf(kUkFloating)};
const CountryList kIreland = {RowsOf(kIeFixed), RowsOf(kIeFloating)};

}  // namespace tessolar::national
