#pragma once
// The paper calendars print on: its size follows the user's locale, and the
// booklet is laid out for landscape sheets, the wall calendar for portrait.

#include <QPageLayout>
#include <QPageSize>

#include "pages/paper_sizes.h"

namespace tessolar {

enum class PrintLayout { kBooklet, kWall };

QPageSize::PageSizeId PageSizeOf(Paper paper);

// `paper` in the orientation `layout` prints on, with margins that every
// printer reaches.
QPageLayout SheetLayout(QPageSize::PageSizeId paper, PrintLayout layout);

// The landscape sheet of the locale's paper: where printing starts until the
// user chooses another paper in Page Setup.
QPageLayout DefaultPageLayout();

// The printable area of `layout`'s sheet in CSS pixels.
SheetArea PrintableArea(const QPageLayout& layout);

}  // namespace tessolar
