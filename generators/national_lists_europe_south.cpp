#include "generators/national_lists.h"

namespace tessolar::national {
namespace {

// --- Italy -----------------------------------------------------------------
// The law of 1977 took the Epiphany off the list until 1986 and moved the
// Republic's day to the first Sunday of June until the law of 2000 gave it
// back its date.
constexpr const char* kBefana = "befana.png";
constexpr const char* kItalianFlag = "it_flag.png";
constexpr FixedRow kItFixed[] = {
    {kJan, 1, Text("Capodanno"), "new_year.jpg"},
    Until(1976, {kJan, 6, Text("Epifania"), kBefana}),
    From(1986, {kJan, 6, Text("Epifania"), kBefana}),
    From(1946, {kApr, 25, Text("Festa della Liberazione"), "dove_2.jpg"}),
    {kMay, 1, Text("Festa dei Lavoratori"), "labor_day_tr.gif"},
    From(1947, Until(1976, {kJun, 2, Text("Festa della Repubblica"), kItalianFlag})),
    From(2001, {kJun, 2, Text("Festa della Repubblica"), kItalianFlag}),
    {kAug, 15, Text("Ferragosto"), "ferragosto.png"},
    {kNov, 1, Text("Ognissanti"), "AllSaints.jpg"},
    {kDec, 8, Text("Immacolata Concezione"), "null"},
    {kDec, 25, Text("Natale"), "santa.png", kChristianHoliday},
    {kDec, 26, Text("Santo Stefano"), "null"},
};
constexpr FloatingRow kItFloating[] = {
    From(1977, Until(2000, {Text("Festa della Repubblica"), kWeekFirst, kSun, kJun, kItalianFlag})),
};

// --- Spain -----------------------------------------------------------------
// The national days only; each region adds its own. 12 October has been a
// holiday since 1918 under four names; the Constitution's day since 1983.
constexpr NameEra kSpanishNationalDay[] = {
    {kEarliest, "Día de la Raza"},
    {1958, "Día de la Hispanidad"},
    {1982, "Fiesta Nacional de España y Día de la Hispanidad"},
    {1987, "Fiesta Nacional de España"},
};
constexpr FixedRow kEsFixed[] = {
    {kJan, 1, Text("Año Nuevo"), "new_year.jpg"},
    {kJan, 6, Text("Epifanía del Señor"), "crown.png"},
    {kMay, 1, Text("Fiesta del Trabajo"), "labor_day_tr.gif"},
    {kAug, 15, Text("Asunción de la Virgen"), "null"},
    From(1918, {kOct, 12, ByYear(kSpanishNationalDay), "es_flag.png"}),
    {kNov, 1, Text("Todos los Santos"), "AllSaints.jpg"},
    From(1983, {kDec, 6, Text("Día de la Constitución"), "es_constitution.png"}),
    {kDec, 8, Text("Inmaculada Concepción"), "null"},
    {kDec, 25, Text("Navidad"), "santa.png", kChristianHoliday},
};

}  // namespace

const CountryList kItaly = {RowsOf(kItFixed), RowsOf(kItFloating)};
const CountryList kSpain = {RowsOf(kEsFixed), {nullptr, 0}};

}  // namespace tessolar::national
