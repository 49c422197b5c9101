#pragma once
// Country and page-language indices as calendars store them.

namespace tessolar {

namespace country {
inline constexpr int kUnitedStates = 0, kCanada = 1, kUnitedKingdom = 2, kAustralia = 3,
                     kMexico = 4, kIreland = 5, kGermany = 6, kNewZealand = 7, kFrance = 8,
                     kBelgium = 9, kNetherlands = 10, kItaly = 11, kSpain = 12, kAustria = 13;
}  // namespace country

namespace page_language {
inline constexpr int kEnglish = 0, kSpanish = 1, kGerman = 2, kFrench = 3, kDutch = 4, kItalian = 5;
}  // namespace page_language

}  // namespace tessolar
