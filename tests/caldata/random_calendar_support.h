#pragma once
// Random calendars for round-trip tests: every kind of entry and setting the
// store holds, with texts full of quotes, tabs, markup characters and
// letters from several scripts.

#include <random>
#include <string>

#include "caldata/cal_database.h"

namespace tessolar {

// A text of up to `maxPieces` pieces; never a line break.
std::string RandomText(std::mt19937& rng, int maxPieces = 6);

// Fills a fresh store with a random configuration (language and country
// included) and about `entries` entries made the ways the program makes
// them: computed days, user events, floating events, hidden and deleted ones.
void FillRandomCalendar(CCalDatabase& db, std::mt19937& rng, int entries);

}  // namespace tessolar
