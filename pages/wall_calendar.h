#pragma once
// The wall calendar: portrait sheets, the title sheet first, then one sheet
// a month with that month's big picture in a frame above its grid. Built for
// printing only, for the printable area of the chosen paper.

#include <string>

#include "caldata/cal_database.h"
#include "compute/notes.h"
#include "pages/paper_sizes.h"

namespace tessolar {

// How a month's picture fills its frame: cropped to fill it, or whole.
// Drawings (pictures shown from SVG) are always whole: cropping cuts them.
enum class WallPictureFit { kCrop, kWhole };

// The wall-calendar page of the months at positions [firstMonth, endMonth)
// of the calendar (as CalendarPageText counts them) on sheets of printable
// `area`; the whole calendar (0, 12) starts with the title sheet. Pictures
// that cannot be measured are noted.
std::string WallCalendarPageText(const CCalDatabase& db, int firstMonth, int endMonth,
                                 SheetArea area, WallPictureFit fit, Notes* notes = nullptr);

}  // namespace tessolar
