#pragma once
// The one evaluator of the holiday rows (national_rows.h): which days a
// country's list gives a year, where the calendar is, with the days off the
// law gives in place of holidays on a weekend.

#include <cstdint>
#include <string>
#include <vector>

#include "caldata/cal_database.h"

namespace tessolar {

struct HolidayDay {
  int month;  // 0-based
  int day;
  int storedYear;
  uint32_t type;
  std::string name;
  std::string picture;
  bool off;       // a day off by law where the calendar is
  bool observed;  // the day off in place of a holiday on a weekend
};

// The national family of `year` for `country` in `region` (a code such as
// "DE-BY"; empty for the whole country), named in page language `language`:
// the fixed rows, the floating rows and the listed days in the order of the
// country's list, then the observed days off in date order. Clock changes are
// not among them.
std::vector<HolidayDay> NationalDaysOf(int country, const std::string& region, int language,
                                       int year);

// The Easter family of `year`: the feasts reckoned from Easter Sunday that
// the country keeps, in the order of its list.
std::vector<HolidayDay> EasterDaysOf(int country, const std::string& region, int language,
                                     int year);

// Enters `day` into the store (remove false) or removes it (remove true), as
// the generators of both families do.
void EnterOrRemove(CCalDatabase& db, bool remove, const HolidayDay& day);

// The name of the Easter feast of language-table entry `languageEntry`
// (lang::kEasterMonday, ...) in a calendar of `country` in page language
// `language`: the table's, unless the country writes it otherwise in that
// language.
std::string FeastName(int country, int language, int languageEntry);

}  // namespace tessolar
