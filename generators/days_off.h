#pragma once
// The days off a calendar's pages mark: the public holidays the law gives
// where the calendar is (its country and region), with the days off in place
// of those on a weekend, among the days the calendar shows. Observances
// (Mother's Day, Halloween) are not days off.

#include <set>
#include <utility>

#include "caldata/cal_database.h"

namespace tessolar {

// The (month 0..11, day) pairs of the days off of the calendar's months, each
// in its own year, that one of its shown national or Easter-based days names.
std::set<std::pair<int, int>> DaysOffOf(const CCalDatabase& db);

}  // namespace tessolar
