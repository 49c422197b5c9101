#pragma once
// The two calendar pages proper: the page of one month, and the page of all
// months that prints as the whole calendar (title, twelve months, the big
// pictures, and each month's big picture on a page of its own).

#include <optional>
#include <string>

#include "caldata/cal_database.h"
#include "compute/notes.h"
#include "pages/image_size.h"

namespace tessolar {

// The page of the months at positions [firstMonth, endMonth) of the calendar
// (0 its start month .. 11 the month before it, end exclusive): (0, 12) is
// the all-months page, any other range gives month grids only. Pictures
// that cannot be measured are noted in `notes` when given.
std::string CalendarPageText(const CCalDatabase& db, int firstMonth, int endMonth,
                             Notes* notes = nullptr);

// CalendarPageText written to the page file; returns the text, also when the
// page file could not be written (the view then shows what it last held).
std::string BuildCalendarPage(const CCalDatabase& db, int firstMonth, int endMonth);

// The pixel size of a month's big picture: a GIF, PNG or SVG by its name,
// anything else read as a JPEG (photographs often carry other names);
// nothing when it cannot be measured.
std::optional<PictureSize> MonthPictureSize(const std::string& file, Notes* notes = nullptr);

// Appends the head of a calendar page (its styles for `font`) and opens its body.
void AppendCalendarHead(std::string& page, const std::string& font);

// Appends the row of the all-months page that shows the big picture of
// `month` as a page of its own, with its description under it.
void MonthPictureRow(std::string& page, const CCalDatabase& db, int month, Notes* notes = nullptr);

}  // namespace tessolar
