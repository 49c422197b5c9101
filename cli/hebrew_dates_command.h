#pragma once

#include <string>
#include <vector>

namespace tessolar::cli {

// hebrew-dates FROM TO: one line per Gregorian day from FROM to TO
// (YYYY-MM-DD, inclusive): the date, the Hebrew day, month slot 1..13, month
// name and Hebrew year, tab-separated.
int RunHebrewDates(const std::vector<std::string>& args);

}  // namespace tessolar::cli
