#pragma once

#include <string>

#include "caldata/cal_database.h"

namespace tessolar {

// Enters (remove 0) or removes (remove 1) Easter and the movable Christian
// feasts that hang on it (type 4) for `year`, named in the calendar's language;
// which feasts besides the six common ones depends on the current country.
// Removing deletes exactly what entering the same year, country and language
// made. Years outside kFirstStoredYear..kLastStoredYear are left alone.
// Returns 0.
int GenerateChristianDays(CCalDatabase& db, int year, int remove);

// The name of the feast of language-table entry `languageEntry` (49..58) in a
// calendar of `country` in page language `language`: the table's, unless the
// country writes it otherwise in that language.
std::string FeastName(int country, int language, int languageEntry);

}  // namespace tessolar
