#include "generators/easter_rows.h"
#include "generators/national_lists.h"

namespace tessolar::national {
namespace {

// --- Italy -----------------------------------------------------------------
// The holidays of law 260 of 1949; the Liberation and Labour Day from 1946.
// The law of 1977 took the Epiphany off the list until 1986 and moved the
// Republic's day to the first Sunday of June until the law of 2000 gave it
// back its date. The law of 2025 made Saint Francis's day a national holiday
// again from 2026.
constexpr const char* kBefana = "befana.png";
constexpr const char* kItalianFlag = "it_flag.png";
constexpr FixedRow kItFixed[] = {
    Off({kJan, 1, Text("Capodanno"), "new_year.jpg"}),
    Off(Until(1976, {kJan, 6, Text("Epifania"), kBefana})),
    Off(From(1986, {kJan, 6, Text("Epifania"), kBefana})),
    Off(From(1946, {kApr, 25, Text("Festa della Liberazione"), "dove_2.jpg"})),
    Off(From(1946, {kMay, 1, Text("Festa dei Lavoratori"), "labor_day_tr.gif"})),
    Off(From(1947, Until(1976, {kJun, 2, Text("Festa della Repubblica"), kItalianFlag}))),
    Off(From(2001, {kJun, 2, Text("Festa della Repubblica"), kItalianFlag})),
    Off({kAug, 15, Text("Ferragosto"), "ferragosto.png"}),
    Off(From(2026, {kOct, 4, Text("San Francesco d'Assisi"), "null"})),
    Off({kNov, 1, Text("Ognissanti"), "AllSaints.jpg"}),
    Off({kDec, 8, Text("Immacolata Concezione"), "null"}),
    Off({kDec, 25, Text("Natale"), "santa.png", kChristianHoliday}),
    Off({kDec, 26, Text("Santo Stefano"), "null"}),
};
constexpr FloatingRow kItFloating[] = {
    Off(From(1977,
             Until(2000, {Text("Festa della Repubblica"), kWeekFirst, kSun, kJun, kItalianFlag}))),
};
// The hundred and fiftieth anniversary of unity (decree-law 5 of 2011).
constexpr ListedDate kUnityJubilee[] = {{2011, kMar, 17}};
constexpr ListedRow kItListed[] = {
    Off({Text("Anniversario dell'Unità d'Italia"), kItalianFlag, RowsOf(kUnityJubilee)}),
};
constexpr EasterRow kItEaster[] = {
    Off(kEasterSunday), Off(kEasterMonday), kAshWednesday, kShroveTuesday, kPalmSunday, kGoodFriday,
};

// --- Spain -----------------------------------------------------------------
// The national days hold everywhere. Royal Decree 2001/1983, art. 45, lets
// each community swap some for days of its own and, from Royal Decree
// 1346/1989, move a national day that falls on a Sunday to the Monday; the
// Ministry of Labour publishes the result every year. The communities' rows
// follow the pattern each has kept. 12 October has been a holiday since 1918
// under four names; the Constitution's day since 1983.
constexpr NameEra kSpanishNationalDay[] = {
    {kEarliest, "Día de la Raza"},
    {1958, "Día de la Hispanidad"},
    {1982, "Fiesta Nacional de España y Día de la Hispanidad"},
    {1987, "Fiesta Nacional de España"},
};
constexpr Years kSundayToMonday = {1990};
constexpr FixedRow Monday(const char* regions, FixedRow row) {
  return In(regions, Observed(Substitute::kSundayToNext, row, kSundayToMonday));
}
constexpr FixedRow kEsNewYear = {kJan, 1, Text("Año Nuevo"), "new_year.jpg"};
// A holiday under the Republic from 1931 and again from 1956.
constexpr FixedRow kEsLabourDay = {kMay, 1, Text("Fiesta del Trabajo"), "labor_day_tr.gif"};
constexpr FixedRow kEsAssumption = {kAug, 15, Text("Asunción de la Virgen"), "null"};
constexpr FixedRow kEsAllSaints = {kNov, 1, Text("Todos los Santos"), "AllSaints.jpg"};
constexpr FixedRow kEsConstitution =
    From(1983, {kDec, 6, Text("Día de la Constitución"), "es_constitution.png"});
constexpr FixedRow kEsChristmas = {kDec, 25, Text("Navidad"), "santa.png", kChristianHoliday};
constexpr FixedRow kEsFixed[] = {
    Off(kEsNewYear),
    Off({kJan, 6, Text("Epifanía del Señor"), "crown.png"}),
    From(1983, Monday("AN", {kFeb, 28, Text("Día de Andalucía"), "null"})),
    From(1983, Monday("IB", {kMar, 1, Text("Día de las Illes Balears"), "null"})),
    From(1983, In("GA MC NC PV VC", Off({kMar, 19, Text("San José"), "null"}))),
    From(1983, Monday("AR", {kApr, 23, Text("Día de Aragón"), "null"})),
    From(1983, Monday("CL", {kApr, 23, Text("Fiesta de Castilla y León"), "null"})),
    Off(From(1931, Until(1936, kEsLabourDay))),
    Monday("* AN AR AS CL EX MC", From(1956, kEsLabourDay)),
    In("CB CE CM CN GA IB MD ML NC PV RI VC", Off(From(1956, kEsLabourDay))),
    In("CT", Observed(Substitute::kMonday, From(1956, kEsLabourDay), kSundayToMonday)),
    From(1983, In("MD", Off({kMay,
                             2,
                             Text("Fiesta de la Comunidad de Madrid"),
                             "null",
                             kNationalHoliday,
                             kYearBuilt,
                             {Weekend::kSunday}}))),
    From(1983, In("GA", Off({kMay, 17, Text("Día de las Letras Gallegas"), "null"}))),
    From(1984, Monday("CN", {kMay, 30, Text("Día de Canarias"), "null"})),
    From(2020, In("CM", Off({kMay, 31, Text("Día de Castilla-La Mancha"), "null"}))),
    From(1983, In("MC", Off({kJun, 9, Text("Día de la Región de Murcia"), "null"}))),
    From(1983, In("RI", Off({kJun, 9, Text("Día de La Rioja"), "null"}))),
    From(1983, In("CT VC", Off({kJun, 24, Text("San Juan"), "null"}))),
    From(1983, In("CB", Off({kJun, 28, Text("Día de las Instituciones de Cantabria"), "null"}))),
    From(1983, In("GA", Off({kJul, 25, Text("Día Nacional de Galicia"), "null"}))),
    From(1983, In("PV", Off({kJul, 25, Text("Santiago Apóstol"), "null"}))),
    From(1983, Monday("CE", {kAug, 5, Text("Nuestra Señora de África"), "null"})),
    Monday("AN AR AS CL CN", kEsAssumption),
    In("* CB CE CM CT EX GA IB MC MD ML NC PV RI VC", Off(kEsAssumption)),
    From(1983, Monday("CE", {kSep, 2, Text("Día de Ceuta"), "null"})),
    From(1983, Monday("AS", {kSep, 8, Text("Día de Asturias"), "null"})),
    From(1983, Monday("EX", {kSep, 8, Text("Día de Extremadura"), "null"})),
    From(1980, In("CT", Off({kSep, 11, Text("Diada Nacional de Catalunya"), "null"}))),
    From(1983, Monday("CB", {kSep, 15, Text("La Bien Aparecida"), "null"})),
    From(1983, In("VC", Off({kOct, 9, Text("Día de la Comunitat Valenciana"), "null"}))),
    Off(From(1918, {kOct, 12, ByYear(kSpanishNationalDay), "es_flag.png"})),
    Monday("AN AR AS CL CM CN EX MD NC", kEsAllSaints),
    In("* CB CE CT GA IB MC ML PV RI VC", Off(kEsAllSaints)),
    Monday("AN AR AS CB CL EX MC MD ML RI", kEsConstitution),
    In("* CE CM CN CT GA IB NC PV VC", Off(kEsConstitution)),
    Off({kDec, 8, Text("Inmaculada Concepción"), "null"}),
    Monday("* AN AR AS CB CE CL CM CN EX GA IB MC MD ML NC PV RI VC", kEsChristmas),
    In("CT", Off(kEsChristmas)),
    From(1983, In("CT", Off({kDec, 26, Text("San Esteban"), "null"}))),
};

// The two Islamic feasts Ceuta and Melilla have kept since 2010, on the dates
// each city decrees.
constexpr ListedDate kCeutaSacrifice[] = {
    {2010, kNov, 15}, {2011, kNov, 5},  {2012, kOct, 25}, {2013, kOct, 14}, {2014, kOct, 3},
    {2015, kSep, 22}, {2016, kSep, 10}, {2017, kAug, 31}, {2018, kAug, 20}, {2019, kAug, 10},
    {2020, kJul, 30}, {2021, kJul, 19}, {2022, kJul, 8},  {2023, kJun, 27}, {2024, kJun, 15},
    {2025, kJun, 5},  {2026, kMay, 26}, {2027, kMay, 15}, {2028, kMay, 4},  {2029, kApr, 23},
    {2030, kApr, 12}, {2031, kApr, 1},  {2032, kMar, 21}, {2033, kMar, 10}, {2034, kFeb, 28},
    {2035, kFeb, 17}, {2036, kFeb, 6},  {2037, kJan, 25}, {2038, kJan, 15}, {2039, kJan, 4},
    {2039, kDec, 25}, {2040, kDec, 13},
};
constexpr ListedDate kMelillaSacrifice[] = {
    {2010, kNov, 16}, {2011, kNov, 6},  {2012, kOct, 26}, {2013, kOct, 15}, {2014, kOct, 4},
    {2015, kSep, 23}, {2016, kSep, 11}, {2017, kSep, 1},  {2018, kAug, 21}, {2019, kAug, 11},
    {2020, kJul, 31}, {2021, kJul, 20}, {2022, kJul, 9},  {2023, kJun, 28}, {2024, kJun, 16},
    {2025, kJun, 6},  {2026, kMay, 27}, {2027, kMay, 16}, {2028, kMay, 5},  {2029, kApr, 24},
    {2030, kApr, 13}, {2031, kApr, 2},  {2032, kMar, 22}, {2033, kMar, 11}, {2034, kMar, 1},
    {2035, kFeb, 18}, {2036, kFeb, 7},  {2037, kJan, 26}, {2038, kJan, 16}, {2039, kJan, 5},
    {2039, kDec, 26}, {2040, kDec, 14},
};
constexpr ListedDate kMelillaFastBreaking[] = {
    {2010, kSep, 10}, {2011, kAug, 30}, {2012, kAug, 19}, {2013, kAug, 8},  {2014, kJul, 28},
    {2015, kJul, 17}, {2016, kJul, 6},  {2017, kJun, 25}, {2018, kJun, 15}, {2019, kJun, 4},
    {2020, kMay, 24}, {2021, kMay, 13}, {2022, kMay, 2},  {2023, kApr, 21}, {2024, kApr, 10},
    {2025, kMar, 30}, {2026, kMar, 20}, {2027, kMar, 9},  {2028, kFeb, 26}, {2029, kFeb, 14},
    {2030, kFeb, 4},  {2031, kJan, 24}, {2032, kJan, 14}, {2033, kJan, 2},  {2033, kDec, 23},
    {2034, kDec, 12}, {2035, kDec, 1},  {2036, kNov, 19}, {2037, kNov, 8},  {2038, kOct, 29},
    {2039, kOct, 19}, {2040, kOct, 7},
};
// The fifth centenary of the first voyage round the world, whose survivors
// landed in 1522 (Basque decree 2022).
constexpr ListedDate kElcanoCentenary[] = {{2022, kSep, 6}};
constexpr ListedRow kEsListed[] = {
    In("CE", Off({Text("Fiesta del Sacrificio"), "null", RowsOf(kCeutaSacrifice)})),
    In("ML", Off({Text("Fiesta del Sacrificio"), "null", RowsOf(kMelillaSacrifice)})),
    In("ML", Off({Text("Fiesta del Fin del Ramadán"), "null", RowsOf(kMelillaFastBreaking)})),
    In("PV", Off({Text("V Centenario de la Vuelta al Mundo"), "null", RowsOf(kElcanoCentenary)})),
};

// Jueves Santo everywhere but Catalonia and the Valencian Community, Easter
// Monday in the communities that keep it instead.
constexpr EasterRow kEsEaster[] = {
    kEasterSunday,
    In("* CT IB NC PV RI VC", Off(kEasterMonday)),
    kAshWednesday,
    kShroveTuesday,
    kPalmSunday,
    Off(kGoodFriday),
    In("AN AR AS CB CE CL CM CN EX GA IB MC MD ML NC PV RI",
       Off(EasterRow{-3, Text("Jueves Santo"), "null"})),
    In("CM", Off(kCorpusChristi)),
};

}  // namespace

const CountryList kItaly = {RowsOf(kItFixed), RowsOf(kItFloating), RowsOf(kItListed),
                            RowsOf(kItEaster)};
const CountryList kSpain = {RowsOf(kEsFixed), {nullptr, 0}, RowsOf(kEsListed), RowsOf(kEsEaster)};

}  // namespace tessolar::national
