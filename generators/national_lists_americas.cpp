#include "generators/easter_rows.h"
#include "generators/national_lists.h"

namespace tessolar::national {
namespace {

// --- United States ---------------------------------------------------------
constexpr FixedRow kUsFixed[] = {
    {kJan, 1, Entry(102), "new_year.jpg"},
    {kFeb, 2, Entry(89), "groundhog-1_tr.gif"},
    {kFeb, 12, Entry(110), "lincoln_pres_tr.gif", kNationalHoliday, 1809},
    {kFeb, 14, Entry(125), "hearts3.gif"},
    {kFeb, 22, Entry(111), "washington_tr.gif", kNationalHoliday, 1732},
    {kMar, 17, Entry(119), "shamrock.jpg"},
    {kApr, 1, Entry(68), "jester2_tr.gif"},
    {kApr, 22, Entry(83), "catsout.jpg"},
    {kMay, 5, Entry(71), "cinco.gif"},
    {kJun, 14, Entry(88), "flag156.png"},
    {kJul, 4, Entry(92), "flag156.png"},
    {kOct, 31, Entry(90), "pumpkin2.gif"},
    {kNov, 10, Entry(124), "usmc.jpg", kBirthday, 1775},
    {kNov, 11, Entry(126), "vets2.jpg"},
    {kDec, 7, Entry(108), "arizona_memorial1.gif", kNationalHoliday, 1941},
    {kDec, 25, Entry(75), "santa.png", kChristianHoliday},
    {kDec, 31, Entry(103), "new_years_eve1.gif"},
};
constexpr FloatingRow kUsFloating[] = {
    {Entry(98), kWeekThird, kMon, kJan, "mlk1.jpg"},
    {Entry(109), kWeekThird, kMon, kFeb, "presidents_day.gif"},
    {Entry(99), kWeekSecond, kSun, kMay, "mothers_day_tr.gif"},
    {Entry(69), kWeekThird, kSat, kMay, "armed_forces_day1.jpg"},
    {Entry(97), kWeekLast, kMon, kMay, "memorial_day_sunshine.gif"},
    {Entry(87), kWeekThird, kSun, kJun, "fathers_day.gif"},
    {Entry(93), kWeekFirst, kMon, kSep, "labor_day_tr.gif"},
    {Entry(76), kWeekSecond, kMon, kOct, "columbus.png"},
    {Entry(85), kWeekFirst, kMon, kNov, "election.png", FloatRule::kElectionTuesday},
    {Entry(121), kWeekFourth, kThu, kNov, "turkey165_tr.gif"},
};

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

const CountryList kUnitedStates = {RowsOf(kUsFixed), RowsOf(kUsFloating)};
const CountryList kCanada = {RowsOf(kCaFixed), RowsOf(kCaFloating)};
const CountryList kMexico = {RowsOf(kMxFixed), RowsOf(kMxFloating), {nullptr, 0}, RowsOf(kMxEaster)};

}  // namespace tessolar::national
