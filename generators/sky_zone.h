#pragma once
// Where the sky days of a calendar are dated: in the time zone of its region,
// or of its country's main city for the whole country, so that a full moon
// or an equinox falls on the day its owner sees it.
//
// Validated for 1900-2100 in the zones of New York, London, Berlin, Sydney and
// Auckland against the full series of Meeus (tests/data/full_moons_1800_2200.tsv,
// seasons_1800_2200.tsv) and PyEphem (moon_phases_1900_2100.tsv): the moon's
// phases lie within 10 minutes of the reference instants, the equinoxes and
// solstices within 25, so an instant that close to a local midnight may be
// dated on either side of it.

#include "caldata/cal_database.h"
#include "compute/date_arithmetic.h"

namespace tessolar {

// The date of the instant `julianDate` (Universal Time) in the calendar's
// zone; in Universal Time where the system's database has no such zone (the
// clock changes say so).
CivilDate SkyDate(const CCalDatabase& db, double julianDate);

// Takes out the computed days of type kAstronomicalDay named `name` in
// `year` (in every year for 0), on whatever day an earlier zone put them; a user's own entry of the
// same name stays. Returns whether any went.
bool RemoveSkyDays(CCalDatabase& db, int year, const std::string& name);

}  // namespace tessolar
