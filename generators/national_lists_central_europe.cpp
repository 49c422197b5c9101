#include "compute/language_entries.h"
#include "generators/easter_rows.h"
#include "generators/national_lists.h"

namespace tessolar::national {
namespace {

// --- Germany ---------------------------------------------------------------
// The days off of each state's Feiertagsgesetz, by the code after "DE-". The
// federal law sets only 3 October (Einigungsvertrag, art. 2 (2)); before it,
// 17 June in the West (Gesetz über den Tag der deutschen Einheit of 4 August
// 1953). Before 1990 the eastern states hold the GDR's days from 1950, its
// first year of them; its five-day week (Verordnung of 3 May 1967) took
// Easter Monday, Ascension, Reformation Day, the Day of Repentance and 8 May
// off the list until 1990. Berlin holds the West's. Corpus
// Christi in parts of Saxony and Thuringia and the Assumption in Bavaria's
// Catholic communities are no days off for the whole state.
constexpr FixedRow kDeFixed[] = {
    Off({kJan, 1, Entry(lang::kNewYearsDay), "new_year.jpg"}),
    In("* BW BY", Off({kJan, 6, Text("Heilige Drei Könige"), "null"})),
    In("ST", From(1990, Off({kJan, 6, Text("Heilige Drei Könige"), "null"}))),
    In("BE", From(2019, Off({kMar, 8, Text("Internationaler Frauentag"), "null"}))),
    In("MV", From(2023, Off({kMar, 8, Text("Internationaler Frauentag"), "null"}))),
    // The Gesetz über die Einführung eines Feiertags der nationalen Arbeit of
    // 10 April 1933 first made it a yearly day off; every state kept it.
    From(1933, Off({kMay, 1, Text("Tag der Arbeit"), "null"})),
    In("BB MV SN ST TH",
       From(1950, Until(1966, Off({kMay, 8, Text("Tag der Befreiung"), "null"})))),
    In("* BE BW BY HB HE HH NI NW RP SH",
       From(1954, Until(1990, Off({kJun, 17, Text("Tag der deutschen Einheit"), "null"})))),
    // The Saarland joined the Federal Republic on 1 January 1957.
    In("SL", From(1957, Until(1990, Off({kJun, 17, Text("Tag der deutschen Einheit"), "null"})))),
    In("* SL", Off({kAug, 15, Text("Mariä Himmelfahrt"), "null"})),
    In("TH", From(2019, Off({kSep, 20, Text("Weltkindertag"), "null"}))),
    From(1990, Off({kOct, 3, Text("Tag der Deutschen Einheit"), "null"})),
    In("BB MV SN ST TH", From(1950, Until(1989, Off({kOct, 7, Text("Tag der Republik"), "null"})))),
    In("BB MV SN ST TH", From(1950, Until(1966, Off({kOct, 31, Text("Reformationstag"), "null"})))),
    In("BB MV SN ST TH", From(1990, Off({kOct, 31, Text("Reformationstag"), "null"}))),
    // Every state gave the 500th year of the Reformation a day off in 2017;
    // these four kept it from 2018.
    In("HB HH NI SH", From(2017, Off({kOct, 31, Text("Reformationstag"), "null"}))),
    In("* BW BY NW RP SL", Off({kNov, 1, Text("Allerheiligen"), "null"})),
    Off({kDec, 25, Entry(lang::kChristmasDay), "santa.png", kChristianHoliday}),
    Off({kDec, 26, Text("Zweiter Weihnachtstag"), "null"}),
};
constexpr ListedDate kDeReformation500[] = {{2017, kOct, 31}};
constexpr ListedDate kDeGdrLiberation[] = {{1985, kMay, 8}};
constexpr ListedDate kBeLiberation[] = {{2020, kMay, 8}, {2025, kMay, 8}};
constexpr ListedDate kBeUprising[] = {{2028, kJun, 17}};
constexpr ListedRow kDeListed[] = {
    In("* BE BW BY HE NW RP SL", Off({Text("Reformationstag"), "null", RowsOf(kDeReformation500)})),
    In("BB MV SN ST TH", Off({Text("Tag der Befreiung"), "null", RowsOf(kDeGdrLiberation)})),
    // The 75th and 80th years since the war's end, the 75th since the
    // rising of 17 June 1953: single days off by Berlin's laws.
    In("BE", Off({Text("Tag der Befreiung"), "null", RowsOf(kBeLiberation)})),
    In("BE",
       Off({Text("Jahrestag des Volksaufstandes vom 17. Juni 1953"), "null", RowsOf(kBeUprising)})),
};
// Brandenburg's law names Easter Sunday and Whit Sunday as well.
constexpr EasterRow kDeEaster[] = {
    In("* BB", Off(kEasterSunday)),
    In("BE BW BY HB HE HH MV NI NW RP SH SL SN ST TH", kEasterSunday),
    In("* BE BW BY HB HE HH NI NW RP SH SL", Off(kEasterMonday)),
    In("BB MV SN ST TH", Until(1966, Off(kEasterMonday))),
    In("BB MV SN ST TH", From(1967, Until(1989, kEasterMonday))),
    In("BB MV SN ST TH", From(1990, Off(kEasterMonday))),
    kAshWednesday,
    kShroveTuesday,
    kPalmSunday,
    Off(kGoodFriday),
    In("* BE BW BY HB HE HH NI NW RP SH SL", Off(kAscension)),
    In("BB MV SN ST TH", Until(1966, Off(kAscension))),
    In("BB MV SN ST TH", From(1967, Until(1989, kAscension))),
    In("BB MV SN ST TH", From(1990, Off(kAscension))),
    In("* BW BY HE NW RP SL", Off(kCorpusChristi)),
    In("* BB", Off(kPentecost)),
    In("BE BW BY HB HE HH MV NI NW RP SH SL SN ST TH", kPentecost),
    Off(kWhitMonday),
};
// The Wednesday after the third Tuesday, as Prussia's law of 12 March 1893
// set it. The states gave it up from 1995 to pay for the care insurance
// (Pflege-Versicherungsgesetz of 26 May 1994, § 58 (2)), all but Saxony.
constexpr FloatingRow kBussUndBettag = {Text("Buß- und Bettag"), kWeekThird, kTue, kNov, "null",
                                        FloatRule::kDayAfter};
constexpr FloatingRow kDeFloating[] = {
    In("* BE BW BY HB HE HH NI NW RP SH SL", From(1893, Until(1994, Off(kBussUndBettag)))),
    In("BB MV SN ST TH", From(1893, Until(1966, Off(kBussUndBettag)))),
    In("BB MV SN ST TH", From(1990, Until(1994, Off(kBussUndBettag)))),
    In("* SN", From(1995, Off(kBussUndBettag))),
};

// --- Austria ---------------------------------------------------------------
// The days off of the Feiertagsruhegesetz 1957, § 1, the same in every
// state. Good Friday was a day off only for the members of the Protestant and
// Old Catholic churches and the Methodists until 2018 and is none since. The
// states' patron days (codes after "AT-") close the schools there, some the
// state's offices too, but no workplace: observances in their state.
constexpr FixedRow kAtFixed[] = {
    Off({kJan, 1, Text("Neujahr"), "new_year.jpg"}),
    Off({kJan, 6, Text("Heilige Drei Könige"), "crown.png"}),
    In("2 6 7 8", {kMar, 19, Text("Josefitag"), "null"}),
    // The law of 25 April 1919 (StGBl. Nr. 246) made it a day off.
    From(1919, Off({kMay, 1, Text("Staatsfeiertag"), "labor_day_tr.gif"})),
    In("4", {kMay, 4, Text("Florianitag"), "null"}),
    Off({kAug, 15, Text("Mariä Himmelfahrt"), "null"}),
    In("5", {kSep, 24, Text("Rupertitag"), "null"}),
    // The Carinthian plebiscite of 10 October 1920.
    In("2", From(1921, {kOct, 10, Text("Tag der Volksabstimmung"), "null"})),
    // The national day from its law of 1965; a day off from 1967.
    From(1965, Until(1966, {kOct, 26, Text("Nationalfeiertag"), "at_flag.png"})),
    From(1967, Off({kOct, 26, Text("Nationalfeiertag"), "at_flag.png"})),
    Off({kNov, 1, Text("Allerheiligen"), "AllSaints.jpg"}),
    In("1", {kNov, 11, Text("Martinstag"), "null"}),
    In("3 9", {kNov, 15, Text("Leopolditag"), "null"}),
    Off({kDec, 8, Text("Mariä Empfängnis"), "null"}),
    Off({kDec, 25, Text("Christtag"), "santa.png", kChristianHoliday}),
    Off({kDec, 26, Text("Stefanitag"), "null"}),
};
constexpr EasterRow kAtEaster[] = {
    kEasterSunday, Off(kEasterMonday), kAshWednesday,       kShroveTuesday, kPalmSunday,
    kGoodFriday,   Off(kAscension),    Off(kCorpusChristi), kPentecost,     Off(kWhitMonday),
};

}  // namespace

const CountryList kGermany = {RowsOf(kDeFixed), RowsOf(kDeFloating), RowsOf(kDeListed),
                              RowsOf(kDeEaster)};
const CountryList kAustria = {RowsOf(kAtFixed), {nullptr, 0}, {nullptr, 0}, RowsOf(kAtEaster)};

}  // namespace tessolar::national
