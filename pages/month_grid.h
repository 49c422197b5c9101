#pragma once
// The grid of one month: a heading row with the month name and year (and
// the Hebrew months the month spans, when the calendar includes Jewish
// holidays), a row of weekday names and the week rows of day cells. The big
// grid of a month page carries the entries of each day and may hold small
// grids of the previous and next month in its blank cells; the mini grid is
// such a small month with bare day numbers.

#include <string>

#include "caldata/cal_database.h"
#include "compute/notes.h"

namespace tessolar {

enum class GridKind { kBig, kMini };
enum class MiniMonth { kPrevious = 1, kNext = 2 };

// Appends the grid of `month` (0..11) of `year` whose day 1 stands in
// column `firstColumn` (0..6; column 0 is the calendar's first day of the
// week, whose headings the grid shows). `single` is true when
// the big grid is the only month of its page; otherwise it is wrapped in a
// row of the all-months page's main table that starts a new printed page.
// Appends nothing for a month or weekday out of range. Pictures that cannot
// be measured are noted.
void MonthTable(std::string& page, const CCalDatabase& db, int month, int year, GridKind kind,
                int firstColumn, bool single, Notes* notes = nullptr);

// Appends one blank cell of the big grid of `month`/`year` (first weekday
// `firstColumn`, week rows `rowHeight` high) holding the mini grid of the
// previous or the next month.
void MiniMonthCell(std::string& page, const CCalDatabase& db, int month, int year, int rowHeight,
                   int firstColumn, MiniMonth which);

}  // namespace tessolar
