#include "compute/language_entries.h"
#include "generators/easter_rows.h"
#include "generators/national_lists.h"

namespace tessolar::national {
namespace {

// --- United Kingdom --------------------------------------------------------
// Regions: EAW England and Wales, SCT Scotland, NIR Northern Ireland. Bank
// holidays by the Bank Holidays Act 1871 (and the Bank Holiday (Ireland) Act
// 1903), then schedule 1 of the Banking and Financial Dealings Act 1971 and
// the royal proclamations made under its section 1. From 1971 a holiday on a
// Saturday or Sunday gives the next weekday not already off: Christmas on a
// Saturday gives Monday 27 and Tuesday 28 December.
constexpr Years kSubstitutesFrom1971 = {1971, kLatest};
constexpr FixedRow UkDayOff(FixedRow row) {
  return Observed(Substitute::kNextWeekday, row, kSubstitutesFrom1971);
}
constexpr FixedRow kUkFixed[] = {
    // New Year's Day: a bank holiday in Scotland since 1871, elsewhere from 1974.
    In("* SCT", UkDayOff({kJan, 1, Entry(lang::kNewYearsDay), "new_year.jpg"})),
    Until(1973, In("EAW NIR", {kJan, 1, Entry(lang::kNewYearsDay), "new_year.jpg"})),
    From(1974, In("EAW NIR", UkDayOff({kJan, 1, Entry(lang::kNewYearsDay), "new_year.jpg"}))),
    From(1971, In("SCT", UkDayOff({kJan, 2, Text("2nd January"), "null"}))),
    Until(1902, In("* NIR", {kMar, 17, Text("St. Patrick's Day"), "shamrock.jpg"})),
    From(1903, In("* NIR", UkDayOff({kMar, 17, Text("St. Patrick's Day"), "shamrock.jpg"}))),
    // The Twelfth, a day off in Northern Ireland by proclamation year by year
    // under the 1971 Act.
    Until(1970, In("* NIR", {kJul, 12, Text("Battle of the Boyne"), "null"})),
    From(1971, In("* NIR", UkDayOff({kJul, 12, Text("Battle of the Boyne"), "null"}))),
    // St Andrew's Day Bank Holiday (Scotland) Act 2007: on a weekend, the
    // Monday after.
    From(2007,
         In("SCT", Observed(Substitute::kMonday, {kNov, 30, Text("St Andrew's Day"), "null"}))),
    UkDayOff({kDec, 25, Entry(lang::kChristmasDay), "santa.png", kChristianHoliday}),
    // Boxing Day: a bank holiday from 1871, in Scotland from 1974.
    From(1871, In("* EAW NIR", UkDayOff({kDec, 26, Text("Boxing Day"), "null"}))),
    From(1974, In("SCT", UkDayOff({kDec, 26, Text("Boxing Day"), "null"}))),
};
// The late May and late August holidays replaced Whit Monday and the first
// Monday of August in 1971, save in Scotland, which keeps its first Mondays
// of May and August from 1871; the first Monday of May came to the rest of
// the kingdom in 1978. Years whose holiday a proclamation moved are listed
// below instead.
constexpr FloatingRow kUkMayDay = {Text("May Day Bank Holiday"), kWeekFirst, kMon, kMay, "null"};
constexpr FloatingRow kUkSpring = {Text("Spring Bank Holiday"), kWeekLast, kMon, kMay, "null"};
constexpr FloatingRow kUkFloating[] = {
    From(1971,
         In("* EAW NIR", Off({Text("Late Summer Bank Holiday"), kWeekLast, kMon, kAug, "null"}))),
    From(1871, Until(1970, In("* EAW NIR",
                              Off({Text("August Bank Holiday"), kWeekFirst, kMon, kAug, "null"})))),
    From(1871, In("SCT", Off({Text("Summer Bank Holiday"), kWeekFirst, kMon, kAug, "null"}))),
    From(1871, Until(1977, In("SCT", Off(kUkMayDay)))),
    From(1978, Until(1994, Off(kUkMayDay))),
    From(1996, Until(2019, Off(kUkMayDay))),
    From(2021, Off(kUkMayDay)),
    From(1971, Until(2001, Off(kUkSpring))),
    From(2003, Until(2011, Off(kUkSpring))),
    From(2013, Until(2021, Off(kUkSpring))),
    From(2023, Off(kUkSpring)),
};

// Bank holidays a proclamation moved: the May one to VE Day in 1995 and
// 2020, the spring one next to the jubilees of 2002, 2012 and 2022.
constexpr ListedDate kUkMovedMayDays[] = {{1995, kMay, 8}, {2020, kMay, 8}};
constexpr ListedDate kUkMovedSpringDays[] = {{2002, kJun, 4}, {2012, kJun, 4}, {2022, kJun, 2}};
// The one-off bank holidays proclaimed for the crown and the millennium.
constexpr NameEra kUkOneOffNames[] = {
    {1977, "Silver Jubilee"},   {1981, "Royal Wedding"},
    {1999, "Millennium Day"},   {2002, "Golden Jubilee"},
    {2011, "Royal Wedding"},    {2012, "Diamond Jubilee"},
    {2022, "Platinum Jubilee"}, {2023, "Coronation of King Charles III"},
};
constexpr ListedDate kUkOneOffDays[] = {
    {1977, kJun, 7},  {1981, kJul, 29}, {1999, kDec, 31}, {2002, kJun, 3},
    {2011, kApr, 29}, {2012, kJun, 5},  {2022, kJun, 3},  {2023, kMay, 8},
};
constexpr ListedDate kUkStateFuneral[] = {{2022, kSep, 19}};
constexpr ListedRow kUkListed[] = {
    Off({Text("May Day Bank Holiday"), "null", RowsOf(kUkMovedMayDays)}),
    Off({Text("Spring Bank Holiday"), "null", RowsOf(kUkMovedSpringDays)}),
    Off({ByYear(kUkOneOffNames), "crown.png", RowsOf(kUkOneOffDays)}),
    Off({Text("State Funeral of Queen Elizabeth II"), "null", RowsOf(kUkStateFuneral)}),
};

// Good Friday is a common-law holiday; Easter Monday and Whit Monday bank
// holidays from 1871, save in Scotland.
constexpr EasterRow kUkEaster[] = {
    kEasterSunday,
    In("* EAW NIR", From(1871, Off(kEasterMonday))),
    kAshWednesday,
    kShroveTuesday,
    kPalmSunday,
    Off(kGoodFriday),
    In("* EAW NIR", From(1871, Until(1970, Off(kWhitMonday)))),
};

// --- Ireland ---------------------------------------------------------------
// Named as the government's list of public holidays names them: bank
// holidays by the Bank Holidays Act 1871 and the Bank Holiday (Ireland) Act
// 1903, public holidays by the Holidays (Employees) Act 1973 and schedule 2
// of the Organisation of Working Time Act 1997. The June bank holiday
// replaced Whit Monday in 1973; New Year's Day came in 1974, the October
// holiday in 1977, the May one in 1994 and St Brigid's Day in 2023. When New
// Year's Day, St Patrick's Day, Christmas or St Stephen's Day falls on a
// weekend, the next weekday is a bank holiday, shown as the day off; the 1997
// Act itself gives employees a day's leave or pay instead.
constexpr FixedRow IeDayOff(FixedRow row) {
  return Observed(Substitute::kNextWeekday, row, {1974, kLatest});
}
constexpr FixedRow kIeFixed[] = {
    Until(1973, {kJan, 1, Entry(lang::kNewYearsDay), "new_year.jpg"}),
    From(1974, IeDayOff({kJan, 1, Entry(lang::kNewYearsDay), "new_year.jpg"})),
    Until(1902, {kMar, 17, Text("St Patrick's Day"), "shamrock.jpg"}),
    From(1903, IeDayOff({kMar, 17, Text("St Patrick's Day"), "shamrock.jpg"})),
    IeDayOff({kDec, 25, Entry(lang::kChristmasDay), "santa.png", kChristianHoliday}),
    From(1871, IeDayOff({kDec, 26, Text("St Stephen's Day"), "st_stephen.png"})),
};
constexpr FloatingRow kIeFloating[] = {
    From(2023, Off({Text("St Brigid's Day"), kWeekFirst, kMon, kFeb, "st_brigid.png",
                    FloatRule::kFirstWhenFriday})),
    From(1994, Off({Text("May Bank Holiday"), kWeekFirst, kMon, kMay, "null"})),
    From(1973, Off({Text("June Bank Holiday"), kWeekFirst, kMon, kJun, "null"})),
    From(1871, Off({Text("August Bank Holiday"), kWeekFirst, kMon, kAug, "null"})),
    From(1977, Off({Text("October Bank Holiday"), kWeekLast, kMon, kOct, "null"})),
};
// The public holiday of remembrance for those lost to Covid-19 and of
// recognition of those who worked through it.
constexpr ListedDate kIeRemembranceDay[] = {{2022, kMar, 18}};
constexpr ListedRow kIeListed[] = {
    Off({Text("Day of Remembrance and Recognition"), "null", RowsOf(kIeRemembranceDay)}),
};
// Good Friday is no public holiday.
constexpr EasterRow kIeEaster[] = {
    kEasterSunday,
    From(1871, Off(kEasterMonday)),
    kAshWednesday,
    kShroveTuesday,
    kPalmSunday,
    kGoodFriday,
    From(1871, Until(1972, Off(kWhitMonday))),
};

}  // namespace

const CountryList kUnitedKingdom = {RowsOf(kUkFixed), RowsOf(kUkFloating), RowsOf(kUkListed),
                                    RowsOf(kUkEaster)};
const CountryList kIreland = {RowsOf(kIeFixed), RowsOf(kIeFloating), RowsOf(kIeListed),
                              RowsOf(kIeEaster)};

}  // namespace tessolar::national
