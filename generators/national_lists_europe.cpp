#include "generators/easter_rows.h"
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

// --- Germany ---------------------------------------------------------------
constexpr FixedRow kDeFixed[] = {
    {kJan, 1, Entry(102), "new_year.jpg"},
    {kJan, 6, Text("Heilige Drei Könige"), "null"},
    {kMay, 1, Text("Tag der Arbeit"), "null"},
    {kAug, 15, Text("Mariä Himmelfahrt"), "null"},
    {kOct, 3, Text("Tag der Deutschen Einheit"), "null"},
    {kNov, 1, Text("Allerheiligen"), "null"},
    {kDec, 25, Entry(75), "santa.png", kChristianHoliday},
    {kDec, 26, Text("Zweiter Weihnachtstag"), "null"},
};
constexpr EasterRow kDeEaster[] = {
    kEasterSunday, kEasterMonday, kAshWednesday, kShroveTuesday, kPalmSunday,
    kGoodFriday,   kAscension,    kCorpusChristi, kPentecost,    kWhitMonday,
};
constexpr FloatingRow kDeFloating[] = {
    // The Wednesday after the third Tuesday.
    {Text("Buß- und Bettag"), kWeekThird, kTue, kNov, "null", FloatRule::kDayAfter},
};

// --- Austria ---------------------------------------------------------------
// The national day from its law of 1965; a day off from 1967.
constexpr FixedRow kAtFixed[] = {
    {kJan, 1, Text("Neujahr"), "new_year.jpg"},
    {kJan, 6, Text("Heilige Drei Könige"), "crown.png"},
    {kMay, 1, Text("Staatsfeiertag"), "labor_day_tr.gif"},
    {kAug, 15, Text("Mariä Himmelfahrt"), "null"},
    From(1965, {kOct, 26, Text("Nationalfeiertag"), "at_flag.png"}),
    {kNov, 1, Text("Allerheiligen"), "AllSaints.jpg"},
    {kDec, 8, Text("Mariä Empfängnis"), "null"},
    {kDec, 25, Text("Christtag"), "santa.png", kChristianHoliday},
    {kDec, 26, Text("Stefanitag"), "null"},
};
constexpr EasterRow kAtEaster[] = {
    kEasterSunday, kEasterMonday, kAshWednesday, kShroveTuesday, kPalmSunday,
    kGoodFriday,   kAscension,    kCorpusChristi, kPentecost,    kWhitMonday,
};

}  // namespace

const CountryList kUnitedKingdom = {RowsOf(kUkFixed), RowsOf(kUkFloating)};
const CountryList kIreland = {RowsOf(kIeFixed), RowsOf(kIeFloating)};
const CountryList kGermany = {RowsOf(kDeFixed), RowsOf(kDeFloating), {nullptr, 0}, RowsOf(kDeEaster)};
const CountryList kAustria = {RowsOf(kAtFixed), {nullptr, 0}, {nullptr, 0}, RowsOf(kAtEaster)};

}  // namespace tessolar::national
