#pragma once
// The grid of one month: a heading row with the month name and year (and the
// Hebrew months the month spans, when the calendar shows them), a row of
// weekday names and the week rows of day cells, with small grids of the
// previous and next month in two blank cells.

#include <string>

#include "pages/month_view.h"

namespace tessolar {

// Where a grid stands, which decides what surrounds it.
enum class GridPlace {
  kOwnPage,      // the only month of its page
  kYearbookRow,  // a row of the all-months page that starts a new printed page
  kWallSheet,    // under a picture on a wall calendar's sheet, as wide as the sheet
};

void AppendMonthGrid(std::string& page, const MonthView& month, GridPlace place);

}  // namespace tessolar
