#pragma once
// The moon's days: the full moons, and as a family of their own the new moons
// and the quarters, dated in the calendar's zone (sky_zone.h).

#include "caldata/cal_database.h"

namespace tessolar {

// Enters (remove false) every full moon of `year` exactly once (type 5, named in
// the calendar's language), or removes them (remove true). Both modes first clear
// the full moons of any earlier build, so no year's moons stay beside
// another's; a user's own entry of the same name is kept. Years outside
// -4000..9999 get no full moons.
void GenerateFullMoons(CCalDatabase& db, int year, bool remove);

// The same for the new moons, first quarters and last quarters of `year`.
void GenerateMoonPhases(CCalDatabase& db, int year, bool remove);

}  // namespace tessolar
