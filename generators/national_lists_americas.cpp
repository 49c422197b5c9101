#include "compute/language_entries.h"
#include "generators/easter_rows.h"
#include "generators/national_lists.h"

namespace tessolar::national {
namespace {

// --- Canada ----------------------------------------------------------------
// Every region keeps New Year's Day, Good Friday, Canada Day, Labour Day and
// Christmas Day; the rest are days off in the provinces and territories whose
// employment standards law lists them. Dominion Day became a holiday in 1879
// and was renamed Canada Day in 1982; the Holidays Act, s. 2(2), keeps it on
// Monday 2 July when 1 July is a Sunday.
constexpr NameEra kCanadaDay[] = {{kEarliest, "Dominion Day"}, {1982, "Canada Day"}};
// The Act respecting the National Holiday (1978) renamed Saint-Jean-Baptiste
// and keeps it on 25 June when the 24th is a Sunday.
constexpr NameEra kQuebecNationalDay[] = {{kEarliest, "St. Jean Baptiste Day"},
                                          {1977, "Quebec National Day"}};
constexpr NameEra kIndigenousPeoplesDay[] = {{kEarliest, "National Aboriginal Day"},
                                             {2017, "National Indigenous Peoples Day"}};
// Quebec's Monday before 25 May: Dollard's day, National Patriots' Day from
// 2003 (décret 1322-2002).
constexpr NameEra kQuebecMayMonday[] = {{kEarliest, "Fête de Dollard"},
                                        {2003, "National Patriots' Day"}};
constexpr RowName kTruthAndReconciliation = Text("National Day for Truth and Reconciliation");
constexpr FixedRow kCaFixed[] = {
    Off({kJan, 1, Entry(lang::kNewYearsDay), "new_year.jpg"}),
    {kMar, 17, Text("St. Patrick's Day"), "shamrock.jpg"},
    Off({kDec, 25, Entry(lang::kChristmasDay), "santa.png", kChristianHoliday}),
    In("* ON NT", Off({kDec, 26, Text("Boxing Day"), "null"})),
    {kDec, 31, Entry(lang::kNewYearsEve), "new_years_eve1.gif"},
    // Newfoundland's provincial government holidays, not days off by law.
    In("* NL", {kApr, 23, Text("St George's Day"), "null"}),
    In("* NL", From(1997, {kJun, 24, Text("Discovery Day"), "null"})),
    In("* NL", {kJul, 12, Text("Orangemen's Day"), "null"}),
    In("* QC", From(1925, Observed(Substitute::kSundayToNext,
                                   {kJun, 24, ByYear(kQuebecNationalDay), "null"}, {1978}))),
    From(1879, Observed(Substitute::kSundayToNext, {kJul, 1, ByYear(kCanadaDay), "null"})),
    In("* NL", From(1917, Off({kJul, 1, Text("Memorial Day"), "null"}))),
    // Remembrance Day from the 1931 amendment of the Armistice Day Act; not
    // a day off in Manitoba, Ontario or Quebec.
    In("* AB BC NB NL NS NT NU PE SK YT",
       From(1931, Off({kNov, 11, Text("Remembrance Day"), "null"}))),
    In("NT", From(2001, Off({kJun, 21, ByYear(kIndigenousPeoplesDay), "null"}))),
    In("YT", From(2017, Off({kJun, 21, ByYear(kIndigenousPeoplesDay), "null"}))),
    // Nunavut Day, a general holiday under the Labour Standards Act from 2020.
    In("NU", From(2020, Off({kJul, 9, Text("Nunavut Day"), "null"}))),
    // A federal holiday from 2021 (Canada Labour Code, s. 166), made one by
    // the Employment Standards Acts of the Northwest Territories and Prince
    // Edward Island in 2022, of British Columbia and Yukon in 2023.
    In("*", From(2021, Off({kSep, 30, kTruthAndReconciliation, "null"}))),
    In("NT PE", From(2022, Off({kSep, 30, kTruthAndReconciliation, "null"}))),
    In("BC YT", From(2023, Off({kSep, 30, kTruthAndReconciliation, "null"}))),
};
// The third Monday of February: Alberta's Family Day from 1990, then the
// other provinces' under their own names; British Columbia's was the second
// Monday until 2018, Prince Edward Island's in 2009. The territories' Civic
// Holiday as the Labour Standards Act, R.S.N.W.T. 1988, lists it.
constexpr FloatingRow kCaFloating[] = {
    In("* AB", From(1990, Off({Text("Family Day"), kWeekThird, kMon, kFeb, "null"}))),
    In("SK", From(2007, Off({Text("Family Day"), kWeekThird, kMon, kFeb, "null"}))),
    In("ON", From(2008, Off({Text("Family Day"), kWeekThird, kMon, kFeb, "null"}))),
    In("BC", From(2013, Until(2018, Off({Text("Family Day"), kWeekSecond, kMon, kFeb, "null"})))),
    In("NB", From(2018, Off({Text("Family Day"), kWeekThird, kMon, kFeb, "null"}))),
    In("BC", From(2019, Off({Text("Family Day"), kWeekThird, kMon, kFeb, "null"}))),
    In("MB", From(2008, Off({Text("Louis Riel Day"), kWeekThird, kMon, kFeb, "null"}))),
    In("PE", From(2009, Until(2009, Off({Text("Islander Day"), kWeekSecond, kMon, kFeb, "null"})))),
    In("PE", From(2010, Off({Text("Islander Day"), kWeekThird, kMon, kFeb, "null"}))),
    In("NS", From(2015, Off({Text("Heritage Day"), kWeekThird, kMon, kFeb, "null"}))),
    From(1894, Off({Text("Labour Day"), kWeekFirst, kMon, kSep, "labor_day_tr.gif"})),
    // The first Monday of August, a day off in five regions under five names.
    In("* BC", From(1974, Off({Text("British Columbia Day"), kWeekFirst, kMon, kAug, "null"}))),
    In("* NB", From(1975, Off({Text("New Brunswick Day"), kWeekFirst, kMon, kAug, "null"}))),
    In("* SK", From(1975, Off({Text("Saskatchewan Day"), kWeekFirst, kMon, kAug, "null"}))),
    In("NT NU", From(1988, Off({Text("Civic Holiday"), kWeekFirst, kMon, kAug, "null"}))),
    In("* YT", From(1912, Off({Text("Discovery Day (Yukon)"), kWeekThird, kMon, kAug, "null"}))),
    // On the second Monday of October by the proclamation of 1957.
    In("* AB BC MB NT NU ON QC SK YT",
       From(1957, Off({Text("Thanksgiving"), kWeekSecond, kMon, kOct, "turkey165_tr.gif"}))),
    // The Monday before 25 May from 1952, under another name in Quebec.
    In("* AB BC MB NT NU ON SK YT", From(1952, Off({Text("Victoria Day"), 25, kMon, kMay, "null",
                                                    FloatRule::kLastMondayBefore}))),
    In("QC", From(1952, Off({ByYear(kQuebecMayMonday), 25, kMon, kMay, "null",
                             FloatRule::kLastMondayBefore}))),
};
// Easter Monday is a day off in the Northwest Territories and Yukon only.
constexpr EasterRow kCaEaster[] = {
    kEasterSunday,
    In("* NT YT", Off(kEasterMonday)),
    In("AB BC MB NB NL NS NU ON PE QC SK", kEasterMonday),
    kAshWednesday,
    kShroveTuesday,
    kPalmSunday,
    Off(kGoodFriday),
};

// --- Mexico ----------------------------------------------------------------
// The days of rest of the Ley Federal del Trabajo (1970), art. 74, each from
// the first year the day was kept. The 2006 reform moved three days to
// Mondays; Juárez's day kept 21 March in 2006, the bicentenary of his birth.
// Feast days and commemorations are not days off.
constexpr const char* kConstitution = "mexico_constitution2.jpg";
constexpr const char* kJuarez = "benojuarez.gif";
constexpr const char* kRevolution = "revolucion1g.gif";
constexpr FixedRow kMxFixed[] = {
    Off({kJan, 1, Text("Año Nuevo"), "new_year.jpg"}),
    From(1857, Until(2005, Off({kFeb, 5, Text("Aniversario de la Constitución"), kConstitution}))),
    {kFeb, 14, Text("Día de San Valentín"), "hearts3.gif"},
    From(1937, {kFeb, 24, Entry(lang::kFlagDay), "mexico_flag.gif"}),
    From(1806, Until(2006, Off({kMar, 21, Text("Natalicio de Benito Juárez"), kJuarez}))),
    From(1913, Off({kMay, 1, Text("Día del Trabajo"), "labor_day_tr.gif"})),
    From(1863, {kMay, 5, Text("Batalla de Puebla"), "cinco.gif"}),
    From(1922, {kMay, 10, Text("Día de las Madres"), "mothers_day_tr.gif"}),
    From(1811, Off({kSep, 16, Text("Día de la Independencia"), "mexico_flag.gif"})),
    From(1928, {kOct, 12, Text("Día de la Raza"), "columbus.png"}),
    {kNov, 1, Text("Día de Todos los Santos"), "AllSaints.jpg"},
    {kNov, 2, Text("Día de los Fieles Difuntos"), "AllSouls.jpg"},
    From(1911, Until(2005, Off({kNov, 20, Text("Aniversario de la Revolución"), kRevolution}))),
    {kDec, 12, Text("Nuestra Señora de Guadalupe"), "guadalupe.jpg"},
    Off({kDec, 25, Entry(lang::kChristmasDay), "santa.png", kChristianHoliday}),
    {kDec, 31, Text("Nochevieja"), "new_years_eve1.gif"},
};
constexpr FloatingRow kMxFloating[] = {
    From(2006,
         Off({Text("Aniversario de la Constitución"), kWeekFirst, kMon, kFeb, kConstitution})),
    From(2007, Off({Text("Natalicio de Benito Juárez"), kWeekThird, kMon, kMar, kJuarez})),
    {Entry(lang::kFathersDay), kWeekThird, kSun, kJun, "fathers_day.gif"},
    From(2006, Off({Text("Aniversario de la Revolución"), kWeekThird, kMon, kNov, kRevolution})),
};

// The day the president takes office: 1 December every six years, and from
// 2024 1 October (Constitución, art. 83, as reformed in 2014).
constexpr ListedDate kPowerTransferDates[] = {
    {1970, kDec, 1}, {1976, kDec, 1}, {1982, kDec, 1}, {1988, kDec, 1}, {1994, kDec, 1},
    {2000, kDec, 1}, {2006, kDec, 1}, {2012, kDec, 1}, {2018, kDec, 1}, {2024, kOct, 1},
    {2030, kOct, 1}, {2036, kOct, 1}, {2042, kOct, 1}, {2048, kOct, 1},
};
constexpr ListedRow kMxListed[] = {
    Off({Text("Transmisión del Poder Ejecutivo Federal"), "null", RowsOf(kPowerTransferDates)}),
};

constexpr EasterRow kMxEaster[] = {
    kEasterSunday, kEasterMonday, kAshWednesday, kShroveTuesday,
    kPalmSunday,   kGoodFriday,   kAscension,    kCorpusChristi,
};

}  // namespace

const CountryList kCanada = {
    RowsOf(kCaFixed), RowsOf(kCaFloating), {nullptr, 0}, RowsOf(kCaEaster)};
const CountryList kMexico = {RowsOf(kMxFixed), RowsOf(kMxFloating), RowsOf(kMxListed),
                             RowsOf(kMxEaster)};

}  // namespace tessolar::national
