#pragma once
// New and full moons as Julian dates, from the short lunation series of
// J. Meeus, Astronomical Formulae for Calculators (the chapter on the phases
// of the Moon), counted in lunations from the new moon of 6 January 1900.
//
// Validated over 1800..2200 against the full series of J. Meeus, Astronomical
// Algorithms, 2nd ed., chapter 49 (tests/data/full_moons_1800_2200.tsv): the
// full moons agree within 10 minutes; and over 1900..2100 against PyEphem
// (tests/data/moon_phases_1900_2100.tsv): every phase within 6.2 minutes.
// Further from 1900 the error grows slowly; it is not measured outside 1800..2200.

namespace tessolar {

inline constexpr double kSynodicMonth = 29.53058868;  // days

// The Julian date of the mean new moon of lunation `k`, with the time
// argument taken from the instant `julianDate` near it.
double MeanPhase(double julianDate, double k);

// The Julian date of the true new moon (phase 0), first quarter (0.25), full
// moon (0.5) or last quarter (0.75) of lunation `k`. Other phases are not
// supported.
double TruePhase(double k, double phase);

// The lunation around an instant: the new moon before it, that lunation's full
// moon and the next new moon, all Julian dates.
struct LunationBracket {
  double lunation;  // the lunation number k of `newMoon`
  double newMoon;
  double fullMoon;
  double nextNewMoon;
};

// The lunation whose mean new moon is the last one not after `julianDate`.
// The true new moon can lie up to about 14 hours from the mean one, so an
// instant just after a true new moon may still be bracketed in the lunation
// before it.
LunationBracket PhaseHunt(double julianDate);

}  // namespace tessolar
