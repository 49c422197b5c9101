#pragma once
// The grid cell of one day as the month pages write it: the day number,
// which a double-click turns into the day's token, and the captions and
// pictures of its shown entries laid out in the fixed cell of 125 pixels by
// 95 points. Captions and pictures send their entry's token, the mark of the
// entries not shown ("+3") the token that reaches them. The cell carries its
// date (data-date) and each element of an entry the entry's store index
// (data-entry), for scripts, tests and assistive technology.

#include <string>

#include "pages/month_view.h"

namespace tessolar {

// Appends the whole cell (<td> to </td>) of `day` of the 0-based `month`,
// its texts in `font` (escaped for a CSS string).
void AppendDayCell(std::string& page, const DayView& day, int month, const std::string& font);

}  // namespace tessolar
