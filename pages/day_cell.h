#pragma once
// The inner table of a month-grid day that has shown entries: day number,
// captions and pictures of up to four entries, fitted into the fixed day
// cell of 125 pixels by 95 points. Captions and pictures send their entry's
// token on double-click, the day number the day's, and the mark of entries
// not shown ("+3") the token that reaches them.

#include <cstdint>
#include <string>

#include "caldata/cal_database.h"
#include "compute/notes.h"

namespace tessolar {

// Appends the cell for `count` entries of day `day` of month `month` (0..11):
// the one-entry variant (caption over one large picture) for 1, the
// two-entry variant (two captions side by side over two pictures) for 2, and
// the four-quadrant variant of the first four entries for any other count,
// with the number of the others beside the day number. The grid writes the
// surrounding <td> and "</td>\n". Pictures that cannot be measured are noted.
void DayCell(std::string& page, const CCalDatabase& db, int month, int day, uint32_t count,
             Notes* notes = nullptr);

}  // namespace tessolar
