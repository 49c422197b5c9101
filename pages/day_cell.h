#pragma once
// The inner table of a month-grid day that has shown entries: day number,
// captions and pictures of up to four entries, fitted into the fixed day
// cell of 125 pixels by 95 points. Captions and pictures send the entry token
// "calidx%04d" on double-click, the day number the day token "caldate%02d%02d".

#include <cstdint>
#include <string>

#include "caldata/cal_database.h"
#include "compute/notes.h"

namespace tessolar {

// Appends the cell for `count` entries of day `day` of month `month` (0..11):
// the one-entry variant (caption over one large picture) for 1, the
// two-entry variant (two captions side by side over two pictures) for 2, and
// the four-quadrant variant of the first four entries for any other count.
// The grid writes the surrounding <td> and "</td>\n", and writes no day cell
// for counts of 6 or more. Pictures that cannot be measured are noted.
void DayCell(std::string& page, const CCalDatabase& db, int month, int day, uint32_t count,
             Notes* notes = nullptr);

}  // namespace tessolar
