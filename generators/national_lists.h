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
extern const CountryList kFrance;
extern const CountryList kBelgium;
extern const CountryList kNetherlands;
extern const CountryList kItaly;
extern const CountryList kSpain;
extern const CountryList kAustria;

// European summer time: from the last Sunday of March to the last Sunday of October.
inline constexpr DaylightRule kEuropeanDaylight[] = {
    {kEarliest,
     {Entry(81), kWeekLast, kSun, kMar, kClock},
     {Entry(82), kWeekLast, kSun, kOct, kClock}},
};

// Summer time on the continent as France, the Benelux, Italy, Spain and
// Austria kept it together from 1980: it ended on the last Sunday of September
// until 1995. Before 1980 each country set its own dates, so none are shown.
inline constexpr DaylightRule kContinentalDaylight[] = {
    {kEarliest, {}, {}},
    {1980, {Entry(81), kWeekFirst, kSun, kApr, kClock}, {Entry(82), kWeekLast, kSun, kSep, kClock}},
    {1981, {Entry(81), kWeekLast, kSun, kMar, kClock}, {Entry(82), kWeekLast, kSun, kSep, kClock}},
    {1996, {Entry(81), kWeekLast, kSun, kMar, kClock}, {Entry(82), kWeekLast, kSun, kOct, kClock}},
};

}  // namespace tessolar::national
