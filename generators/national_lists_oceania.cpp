#include "generators/national_lists.h"

namespace tessolar::national {
namespace {

// The sovereign's birthday, named after the reigning queen or king.
constexpr NameEra kSovereignsBirthday[] = {{kEarliest, "Queen's Birthday"},
                                           {1901, "King's Birthday"},
                                           {1952, "Queen's Birthday"},
                                           {2023, "King's Birthday"}};

// --- Australia -------------------------------------------------------------
constexpr FixedRow kAuFixed[] = {
    {kJan, 1, Entry(102), "new_year.jpg"},
    {kJan, 26, Text("Australia Day"), "null", kNationalHoliday, kYearBuilt, {Weekend::kSunday}},
    {kApr, 25, Text("Anzac Day"), "null"},
    {kDec, 25, Entry(75), "santa.png", kChristianHoliday},
    {kDec, 26, Text("Boxing Day"), "null"},
};
constexpr FloatingRow kAuFloating[] = {
    {Entry(87), kWeekFirst, kSun, kSep, "null"},
    {Text("Labour Day"), kWeekFirst, kMon, kOct, "null"},
    {Entry(99), kWeekSecond, kSun, kMay, "null"},
    {ByYear(kSovereignsBirthday), kWeekSecond, kMon, kJun, "null"},
};

// --- New Zealand -----------------------------------------------------------
// Waitangi Day was a national holiday from 1974, named New Zealand Day until
// 1976. From 2014 it and Anzac Day move to the Monday when they fall on a
// weekend, as Australia Day moves off a Sunday: the calendar marks the day off.
constexpr NameEra kWaitangiDay[] = {{kEarliest, "New Zealand Day"}, {1977, "Waitangi Day"}};
constexpr WeekendRule kMondayisedFrom2014 = {Weekend::kSaturdayAndSunday, 2014};
constexpr FixedRow kNzFixed[] = {
    {kJan, 1, Entry(102), "new_year.jpg"},
    {kJan, 2, Text("Day after New Year's Day"), "null"},
    From(1974, {kFeb, 6, ByYear(kWaitangiDay), "nz_flag.png", kNationalHoliday, kYearBuilt,
                kMondayisedFrom2014}),
    From(1921, {kApr, 25, Text("Anzac Day"), "vets2.jpg", kNationalHoliday, kYearBuilt,
                kMondayisedFrom2014}),
    {kDec, 25, Entry(75), "santa.png", kChristianHoliday},
    {kDec, 26, Text("Boxing Day"), "null"},
};
// The sovereign's birthday on the first Monday of June from 1938 (its day
// varied with the monarch before); Labour Day on the fourth Monday of
// October from 1910.
constexpr FloatingRow kNzFloating[] = {
    From(1938, {ByYear(kSovereignsBirthday), kWeekFirst, kMon, kJun, "crown.png"}),
    From(1910, {Text("Labour Day"), kWeekFourth, kMon, kOct, "labor_day_tr.gif"}),
};

// Matariki, from 2022: the dates the Te Kāhui o Matariki Public Holiday Act
// 2022 lists, through 2052.
constexpr ListedDate kMatarikiDates[] = {
    {2022, kJun, 24}, {2023, kJul, 14}, {2024, kJun, 28}, {2025, kJun, 20}, {2026, kJul, 10},
    {2027, kJun, 25}, {2028, kJul, 14}, {2029, kJul, 6},  {2030, kJun, 21}, {2031, kJul, 11},
    {2032, kJul, 2},  {2033, kJun, 24}, {2034, kJul, 7},  {2035, kJun, 29}, {2036, kJul, 18},
    {2037, kJul, 10}, {2038, kJun, 25}, {2039, kJul, 15}, {2040, kJul, 6},  {2041, kJul, 19},
    {2042, kJul, 11}, {2043, kJul, 3},  {2044, kJun, 24}, {2045, kJul, 7},  {2046, kJun, 29},
    {2047, kJul, 19}, {2048, kJul, 3},  {2049, kJun, 25}, {2050, kJul, 15}, {2051, kJun, 30},
    {2052, kJun, 21},
};
constexpr ListedRow kNzListed[] = {
    {Text("Matariki"), "matariki.png", RowsOf(kMatarikiDates)},
};

}  // namespace

const CountryList kAustralia = {RowsOf(kAuFixed), RowsOf(kAuFloating)};
const CountryList kNewZealand = {RowsOf(kNzFixed), RowsOf(kNzFloating), RowsOf(kNzListed)};

}  // namespace tessolar::national
