#include "generators/easter_rows.h"
#include "generators/national_lists.h"

namespace tessolar::national {
namespace {

// --- Canada ----------------------------------------------------------------
// Dominion Day was renamed Canada Day in 1982.
constexpr NameEra kCanadaDay[] = {{kEarliest, "Dominion Day"}, {1982, "Canada Day"}};
constexpr FixedRow kCaFixed[] = {
    {kJan, 1, Entry(102), "new_year.jpg"},
    {kMar, 17, Text("St. Patrick's Day"), "shamrock.jpg"},
    {kDec, 25, Entry(75), "santa.png", kChristianHoliday},
    {kDec, 26, Text("Boxing Day"), "null"},
    {kDec, 31, Entry(103), "new_years_eve1.gif"},
    {kApr, 23, Text("St George's Day"), "null"},
    {kJun, 24, Text("Discovery Day"), "null"},
    {kJun, 24, Text("Quebec National Day"), "null"},
    {kJul, 1, ByYear(kCanadaDay), "null"},
    {kJul, 1, Text("Memorial Day"), "null"},
    {kJul, 12, Text("Orangemen's Day"), "null"},
    {kNov, 11, Text("Remembrance Day"), "null"},
};
constexpr FloatingRow kCaFloating[] = {
    {Text("Family Day"), kWeekThird, kMon, kFeb, "null"},
    {Text("Labour Day"), kWeekFirst, kMon, kSep, "labor_day_tr.gif"},
    {Text("British Columbia Day"), kWeekFirst, kMon, kAug, "null"},
    {Text("Discovery Day (Yukon)"), kWeekThird, kMon, kAug, "null"},
    {Text("New Brunswick Day"), kWeekFirst, kMon, kAug, "null"},
    {Text("Saskatchewan Day"), kWeekFirst, kMon, kAug, "null"},
    {Text("Thanksgiving"), kWeekSecond, kMon, kOct, "turkey165_tr.gif"},
    {Text("Victoria Day"), 25, kMon, kMay, "null", FloatRule::kLastMondayBefore},
};

// --- Mexico ----------------------------------------------------------------
// The 2006 reform of the federal labour law moved three days to Mondays;
// Juárez's day kept 21 March in 2006, the bicentenary of his birth.
constexpr const char* kConstitution = "mexico_constitution2.jpg";
constexpr const char* kJuarez = "benojuarez.gif";
constexpr const char* kRevolution = "revolucion1g.gif";
constexpr FixedRow kMxFixed[] = {
    {kJan, 1, Text("Año Nuevo"), "new_year.jpg"},
    Until(2005, {kFeb, 5, Text("Aniversario de la Constitución"), kConstitution}),
    {kFeb, 14, Text("Día de San Valentín"), "hearts3.gif"},
    {kFeb, 24, Entry(88), "mexico_flag.gif"},
    Until(2006, {kMar, 21, Text("Natalicio de Benito Juárez"), kJuarez}),
    {kMay, 1, Text("Día del Trabajo"), "labor_day_tr.gif"},
    {kMay, 5, Text("Batalla de Puebla"), "cinco.gif"},
    {kMay, 10, Text("Día de las Madres"), "mothers_day_tr.gif"},
    {kSep, 16, Text("Día de la Independencia"), "mexico_flag.gif"},
    {kOct, 12, Text("Día de la Raza"), "columbus.png"},
    {kNov, 1, Text("Día de Todos los Santos"), "AllSaints.jpg"},
    {kNov, 2, Text("Día de los Fieles Difuntos"), "AllSouls.jpg"},
    Until(2005, {kNov, 20, Text("Aniversario de la Revolución"), kRevolution}),
    {kDec, 12, Text("Nuestra Señora de Guadalupe"), "guadalupe.jpg"},
    {kDec, 25, Entry(75), "santa.png", kChristianHoliday},
    {kDec, 31, Text("Nochevieja"), "new_years_eve1.gif"},
};
constexpr FloatingRow kMxFloating[] = {
    From(2006, {Text("Aniversario de la Constitución"), kWeekFirst, kMon, kFeb, kConstitution}),
    From(2007, {Text("Natalicio de Benito Juárez"), kWeekThird, kMon, kMar, kJuarez}),
    {Entry(87), kWeekThird, kSun, kJun, "fathers_day.gif"},
    From(2006, {Text("Aniversario de la Revolución"), kWeekThird, kMon, kNov, kRevolution}),
};

constexpr EasterRow kMxEaster[] = {
    kEasterSunday, kEasterMonday, kAshWednesday, kShroveTuesday,
    kPalmSunday,   kGoodFriday,   kAscension,    kCorpusChristi,
};

}  // namespace

const CountryList kCanada = {RowsOf(kCaFixed), RowsOf(kCaFloating)};
const CountryList kMexico = {RowsOf(kMxFixed), RowsOf(kMxFloating), {nullptr, 0}, RowsOf(kMxEaster)};

}  // namespace tessolar::national
