#pragma once
// The national holiday lists, one per country, as GenerateNationalDays walks
// them. Each list follows the law of each year: a holiday or rule that the
// law brought in, moved or renamed has its years.

#include "generators/national_rows.h"

namespace tessolar::national {

extern const CountryList kUnitedStates;
extern const CountryList kCanada;
extern const CountryList kMexico;
extern const CountryList kUnitedKingdom;
extern const CountryList kIreland;
extern const CountryList kGermany;
extern const CountryList kAustralia;
extern const CountryList kNewZealand;

// European summer time: from the last Sunday of March to the last Sunday of October.
inline constexpr DaylightRule kEuropeanDaylight[] = {
    {kEarliest,
     {Entry(81), kWeekLast, kSun, kMar, kClock},
     {Entry(82), kWeekLast, kSun, kOct, kClock}},
};

}  // namespace tessolar::national
