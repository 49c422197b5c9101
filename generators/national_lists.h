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

}  // namespace tessolar::national
