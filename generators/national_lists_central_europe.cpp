#include "generators/easter_rows.h"
#include "generators/national_lists.h"

namespace tessolar::national {
namespace {

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

const CountryList kGermany = {RowsOf(kDeFixed), RowsOf(kDeFloating), {nullptr, 0}, RowsOf(kDeEaster)};
const CountryList kAustria = {RowsOf(kAtFixed), {nullptr, 0}, {nullptr, 0}, RowsOf(kAtEaster)};

}  // namespace tessolar::national
