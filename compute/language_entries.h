#pragma once
// The entries of the language table (language_table.h) that the program
// reads, each named after its English text. The numbers are fixed by the
// table files in resources/languages/.

namespace tessolar::lang {

inline constexpr int kOutOfRange = 0;  // "Unknown"
// Names of the first three languages and the first eight countries; the
// others came later and follow the table's original entries.
inline constexpr int kFirstLanguageName = 1;
inline constexpr int kFirstCountryName = 4;
inline constexpr int kLaterLanguageName = 138;  // language 3 on
inline constexpr int kLaterCountryName = 141;   // country 8 on
inline constexpr int kFirstMonthName = 12;      // January; the other months follow
inline constexpr int kFirstWeekdayName = 24;    // Sunday; the other weekdays follow

// The welcome page: each text holds the link word of its panel.
inline constexpr int kWelcomeTitle = 39;
inline constexpr int kNewCalendarText = 40;
inline constexpr int kOpenCalendarText = 41;
inline constexpr int kRecentCalendarsText = 42;
inline constexpr int kNewCalendarTitle = 43;
inline constexpr int kOpenCalendarTitle = 44;
inline constexpr int kRecentCalendarsTitle = 45;
inline constexpr int kNewCalendarLinkWord = 46;
inline constexpr int kSavedCalendarLinkWord = 47;

// The feasts reckoned from Easter Sunday.
inline constexpr int kEasterSunday = 49;
inline constexpr int kEasterMonday = 50;
inline constexpr int kAshWednesday = 51;
inline constexpr int kShroveTuesday = 52;
inline constexpr int kPalmSunday = 53;
inline constexpr int kGoodFriday = 54;
inline constexpr int kAscensionDay = 55;
inline constexpr int kPentecost = 56;
inline constexpr int kWhitMonday = 57;
inline constexpr int kCorpusChristi = 58;

inline constexpr int kMarchEquinox = 59;
inline constexpr int kSeptemberEquinox = 60;
inline constexpr int kJuneSolstice = 61;
inline constexpr int kDecemberSolstice = 62;
inline constexpr int kFullMoon = 63;  // also the name of the astronomical days' type

// National days.
inline constexpr int kAprilFoolsDay = 68;
inline constexpr int kArmedForcesDay = 69;
inline constexpr int kCincoDeMayo = 71;
inline constexpr int kChristmasDay = 75;
inline constexpr int kColumbusDay = 76;
inline constexpr int kDaylightSavingTimeBegins = 81;
inline constexpr int kDaylightSavingTimeEnds = 82;
inline constexpr int kEarthDay = 83;
inline constexpr int kElectionDay = 85;
inline constexpr int kFathersDay = 87;
inline constexpr int kFlagDay = 88;
inline constexpr int kGroundhogDay = 89;
inline constexpr int kHalloween = 90;
inline constexpr int kIndependenceDay = 92;
inline constexpr int kLaborDay = 93;
inline constexpr int kMemorialDay = 97;
inline constexpr int kMartinLutherKingDay = 98;
inline constexpr int kMothersDay = 99;
inline constexpr int kNewYearsDay = 102;
inline constexpr int kNewYearsEve = 103;
inline constexpr int kPearlHarborRemembrance = 108;
inline constexpr int kPresidentsDay = 109;
inline constexpr int kLincolnsBirthday = 110;
inline constexpr int kWashingtonsBirthday = 111;
inline constexpr int kStPatricksDay = 119;
inline constexpr int kThanksgiving = 121;
inline constexpr int kUsMarineCorps = 124;
inline constexpr int kValentinesDay = 125;
inline constexpr int kVeteransDay = 126;
inline constexpr int kObserved = 147;  // "(observed)" after the name of a day off moved
// A whole date as the language writes it, with the markers {weekday}, {day},
// {month} and {year}: what a screen reader says of a day.
inline constexpr int kSpokenDate = 148;

// The Jewish days beyond the first five, which keep one name in every language.
inline constexpr int kRoshHashanahII = 149;
inline constexpr int kTzomGedaliah = 150;
inline constexpr int kSukkot = 151;
inline constexpr int kSukkotII = 152;
inline constexpr int kSheminiAtzeret = 153;
inline constexpr int kSimchatTorah = 154;
inline constexpr int kHanukkahFirstCandle = 155;
inline constexpr int kAsaraBTevet = 156;
inline constexpr int kTuBiShvat = 157;
inline constexpr int kTaanitEsther = 158;
inline constexpr int kPurim = 159;
inline constexpr int kPassoverI = 160;
inline constexpr int kPassoverII = 161;
inline constexpr int kPassoverVII = 162;
inline constexpr int kPassoverVIII = 163;
inline constexpr int kYomHaZikaron = 164;
inline constexpr int kYomHaAtzmaut = 165;
inline constexpr int kLagBaOmer = 166;
inline constexpr int kShavuot = 167;
inline constexpr int kShavuotII = 168;
inline constexpr int kTzomTammuz = 169;
inline constexpr int kTishaBAv = 170;

// A week row's name for a screen reader, with the marker {week}.
inline constexpr int kWeekNumber = 171;

// The moon's phases beside the full moon.
inline constexpr int kNewMoon = 172;
inline constexpr int kFirstQuarter = 173;
inline constexpr int kLastQuarter = 174;

// The months a calendar runs, with the markers {from} and {to} for the first
// and the last month with its year: "September 2027 – August 2028".
inline constexpr int kSpanOfMonths = 175;

// The words of captions: "Ann turns 30", "Ann is born", "Ann & Ben turn 30".
inline constexpr int kTurns = 130;
inline constexpr int kIsBorn = 131;
inline constexpr int kTurn = 132;

}  // namespace tessolar::lang
