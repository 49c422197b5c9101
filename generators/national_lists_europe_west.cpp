#include "generators/countries.h"
#include "generators/easter_rows.h"
#include "generators/national_lists.h"

namespace tessolar::national {
namespace {

using namespace page_language;

// --- France ----------------------------------------------------------------
// The Victory of 1945 was a holiday from 1953 to 1958, once more for its
// twentieth anniversary in 1965, and again from 1982.
constexpr const char* kRemembrance = "vets2.jpg";
constexpr FixedRow kFrFixed[] = {
    {kJan, 1, Text("Jour de l'an"), "new_year.jpg"},
    From(1947, {kMay, 1, Text("Fête du Travail"), "labor_day_tr.gif"}),
    From(1953, Until(1958, {kMay, 8, Text("Victoire 1945"), kRemembrance})),
    From(1982, {kMay, 8, Text("Victoire 1945"), kRemembrance}),
    From(1880, {kJul, 14, Text("Fête nationale"), "fr_flag.png"}),
    {kAug, 15, Text("Assomption"), "null"},
    {kNov, 1, Text("Toussaint"), "AllSaints.jpg"},
    From(1922, {kNov, 11, Text("Armistice 1918"), kRemembrance}),
    {kDec, 25, Text("Noël"), "santa.png", kChristianHoliday},
};
constexpr ListedDate kVictoryJubilee[] = {{1965, kMay, 8}};
constexpr ListedRow kFrListed[] = {
    {Text("Victoire 1945"), kRemembrance, RowsOf(kVictoryJubilee)},
};

// --- Belgium ---------------------------------------------------------------
// Named as the federal list writes them in French, Dutch and German, after
// the page's language; French for a page in any other language.
constexpr LanguageText kBeNewYear[] = {
    {kFrench, "Nouvel An"}, {kDutch, "Nieuwjaar"}, {kGerman, "Neujahr"}};
constexpr LanguageText kBeLabourDay[] = {
    {kFrench, "Fête du Travail"}, {kDutch, "Dag van de Arbeid"}, {kGerman, "Tag der Arbeit"}};
constexpr LanguageText kBeNationalDay[] = {
    {kFrench, "Fête nationale"}, {kDutch, "Nationale feestdag"}, {kGerman, "Nationalfeiertag"}};
constexpr LanguageText kBeAssumption[] = {
    {kFrench, "Assomption"}, {kDutch, "O.L.V. Hemelvaart"}, {kGerman, "Mariä Himmelfahrt"}};
constexpr LanguageText kBeAllSaints[] = {
    {kFrench, "Toussaint"}, {kDutch, "Allerheiligen"}, {kGerman, "Allerheiligen"}};
constexpr LanguageText kBeArmistice[] = {
    {kFrench, "Armistice"}, {kDutch, "Wapenstilstand"}, {kGerman, "Waffenstillstand"}};
constexpr LanguageText kBeChristmas[] = {
    {kFrench, "Noël"}, {kDutch, "Kerstmis"}, {kGerman, "Weihnachten"}};
constexpr FixedRow kBeFixed[] = {
    {kJan, 1, ByLanguage(kBeNewYear), "new_year.jpg"},
    From(1947, {kMay, 1, ByLanguage(kBeLabourDay), "labor_day_tr.gif"}),
    From(1890, {kJul, 21, ByLanguage(kBeNationalDay), "be_flag.png"}),
    {kAug, 15, ByLanguage(kBeAssumption), "null"},
    {kNov, 1, ByLanguage(kBeAllSaints), "AllSaints.jpg"},
    From(1922, {kNov, 11, ByLanguage(kBeArmistice), kRemembrance}),
    {kDec, 25, ByLanguage(kBeChristmas), "santa.png", kChristianHoliday},
};

// --- The Netherlands -------------------------------------------------------
// The monarch's day: Koninginnedag on Queen Juliana's birthday from 1949, kept
// by Queen Beatrix; a Sunday moved it to Monday 1 May until 1979 and to
// Saturday 29 April from 1980. Koningsdag from 2014 moves off a Sunday the
// same way. Bevrijdingsdag is a national holiday every year from 1990, though
// most collective agreements give the day off only every fifth year.
constexpr const char* kOrange = "oranje.png";
constexpr FixedRow kNlFixed[] = {
    {kJan, 1, Text("Nieuwjaarsdag"), "new_year.jpg"},
    From(1949, Until(1979, {kApr,
                            30,
                            Text("Koninginnedag"),
                            kOrange,
                            kNationalHoliday,
                            kYearBuilt,
                            {Weekend::kSunday}})),
    From(1980, Until(2013, {kApr,
                            30,
                            Text("Koninginnedag"),
                            kOrange,
                            kNationalHoliday,
                            kYearBuilt,
                            {Weekend::kSundayToSaturday}})),
    From(2014, {kApr,
                27,
                Text("Koningsdag"),
                kOrange,
                kNationalHoliday,
                kYearBuilt,
                {Weekend::kSundayToSaturday}}),
    From(1990, {kMay, 5, Text("Bevrijdingsdag"), "dove_2.jpg"}),
    {kDec, 25, Text("Eerste Kerstdag"), "santa.png", kChristianHoliday},
    {kDec, 26, Text("Tweede Kerstdag"), "null"},
};

// Ascension, Pentecost and Whit Monday in France and the Benelux.
constexpr EasterRow kWesternEaster[] = {
    kEasterSunday, kEasterMonday, kAshWednesday, kShroveTuesday, kPalmSunday,
    kGoodFriday,   kAscension,    kPentecost,    kWhitMonday,
};

}  // namespace

const CountryList kFrance = {RowsOf(kFrFixed), {nullptr, 0}, RowsOf(kFrListed),
                             RowsOf(kWesternEaster)};
const CountryList kBelgium = {RowsOf(kBeFixed), {nullptr, 0}, {nullptr, 0}, RowsOf(kWesternEaster)};
const CountryList kNetherlands = {RowsOf(kNlFixed), {nullptr, 0}, {nullptr, 0},
                                  RowsOf(kWesternEaster)};

}  // namespace tessolar::national
