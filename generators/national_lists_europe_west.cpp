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
    Off({kJan, 1, Text("Jour de l'an"), "new_year.jpg"}),
    Off(From(1947, {kMay, 1, Text("Fête du Travail"), "labor_day_tr.gif"})),
    Off(From(1953, Until(1958, {kMay, 8, Text("Victoire 1945"), kRemembrance}))),
    Off(From(1982, {kMay, 8, Text("Victoire 1945"), kRemembrance})),
    Off(From(1880, {kJul, 14, Text("Fête nationale"), "fr_flag.png"})),
    Off({kAug, 15, Text("Assomption"), "null"}),
    Off({kNov, 1, Text("Toussaint"), "AllSaints.jpg"}),
    Off(From(1922, {kNov, 11, Text("Armistice 1918"), kRemembrance})),
    Off({kDec, 25, Text("Noël"), "santa.png", kChristianHoliday}),
};
constexpr ListedDate kVictoryJubilee[] = {{1965, kMay, 8}};
constexpr ListedRow kFrListed[] = {
    Off({Text("Victoire 1945"), kRemembrance, RowsOf(kVictoryJubilee)}),
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
    Off({kJan, 1, ByLanguage(kBeNewYear), "new_year.jpg"}),
    Off(From(1947, {kMay, 1, ByLanguage(kBeLabourDay), "labor_day_tr.gif"})),
    Off(From(1890, {kJul, 21, ByLanguage(kBeNationalDay), "be_flag.png"})),
    Off({kAug, 15, ByLanguage(kBeAssumption), "null"}),
    Off({kNov, 1, ByLanguage(kBeAllSaints), "AllSaints.jpg"}),
    Off(From(1922, {kNov, 11, ByLanguage(kBeArmistice), kRemembrance})),
    Off({kDec, 25, ByLanguage(kBeChristmas), "santa.png", kChristianHoliday}),
};

// --- The Netherlands -------------------------------------------------------
// The monarch's day: Koninginnedag on Queen Juliana's birthday from 1949, kept
// by Queen Beatrix; a Sunday moved it to Monday 1 May until 1979 and to
// Saturday 29 April from 1980. Koningsdag from 2014 moves off a Sunday the
// same way. Bevrijdingsdag is a national holiday every year from 1990, though
// most collective agreements give the day off only every fifth year.
constexpr const char* kOrange = "oranje.png";
constexpr FixedRow kNlFixed[] = {
    Off({kJan, 1, Text("Nieuwjaarsdag"), "new_year.jpg"}),
    Off(From(1949, Until(1979, {kApr,
                                30,
                                Text("Koninginnedag"),
                                kOrange,
                                kNationalHoliday,
                                kYearBuilt,
                                {Weekend::kSunday}}))),
    Off(From(1980, Until(2013, {kApr,
                                30,
                                Text("Koninginnedag"),
                                kOrange,
                                kNationalHoliday,
                                kYearBuilt,
                                {Weekend::kSundayToSaturday}}))),
    Off(From(2014, {kApr,
                    27,
                    Text("Koningsdag"),
                    kOrange,
                    kNationalHoliday,
                    kYearBuilt,
                    {Weekend::kSundayToSaturday}})),
    From(1990, {kMay, 5, Text("Bevrijdingsdag"), "dove_2.jpg"}),
    Off({kDec, 25, Text("Eerste Kerstdag"), "santa.png", kChristianHoliday}),
    Off({kDec, 26, Text("Tweede Kerstdag"), "null"}),
};

// Easter Monday, Ascension and Whit Monday are days off in France and the
// Benelux (France's Whit Monday stays a holiday where it is worked as the
// day of solidarity of the law of 30 June 2004); the Netherlands counts
// Easter Sunday and Pentecost among its feast days as well.
constexpr EasterRow kFrBeEaster[] = {
    kEasterSunday, Off(kEasterMonday), kAshWednesday, kShroveTuesday,   kPalmSunday,
    kGoodFriday,   Off(kAscension),    kPentecost,    Off(kWhitMonday),
};
constexpr EasterRow kNlEaster[] = {
    Off(kEasterSunday), Off(kEasterMonday), kAshWednesday,   kShroveTuesday,   kPalmSunday,
    kGoodFriday,        Off(kAscension),    Off(kPentecost), Off(kWhitMonday),
};

}  // namespace

const CountryList kFrance = {
    RowsOf(kFrFixed), {nullptr, 0}, RowsOf(kFrListed), RowsOf(kFrBeEaster)};
const CountryList kBelgium = {RowsOf(kBeFixed), {nullptr, 0}, {nullptr, 0}, RowsOf(kFrBeEaster)};
const CountryList kNetherlands = {RowsOf(kNlFixed), {nullptr, 0}, {nullptr, 0}, RowsOf(kNlEaster)};

}  // namespace tessolar::national
