#pragma once
// The title page (one large picture with the calendar's title on one line) and
// the twelve big pictures, one per month, as a page of their own and as rows
// of the all-months page. Pictures that cannot be measured are noted in
// `notes` when given.

#include <cstdint>
#include <string>

#include "caldata/cal_database.h"
#include "compute/notes.h"
#include "pages/paper_sizes.h"

namespace tessolar {

// The area the big pictures are fitted into when not fitted to a window: the
// printed page, 945 wide and 945 x 8.5 / 11 high.
inline constexpr uint32_t kBigPicturesPrintWidth = 945;
inline constexpr uint32_t kBigPicturesPrintHeight = 730;

// Appends the title sheet for `area`: the title on one line where the title
// dialog puts it (shrunk by the page's fitTitles() when longer than its
// width), the picture fitted into the larger band above or below that line.
void TitleSheet(std::string& page, const CCalDatabase& db, SheetArea area, Notes* notes = nullptr);

// Appends the title row. It opens a table that it does not close: the
// all-months page puts its month rows into the same table and closes it.
void TitleTable(std::string& page, const CCalDatabase& db, Notes* notes = nullptr);

// The title page; the caller writes it with WritePageFile.
std::string BuildTitlePage(const CCalDatabase& db, Notes* notes = nullptr);

// The twelve big pictures in rows of four, each fitted into a box a quarter
// of `width` wide and a quarter of `height` high.
std::string BigPicturesTable(const CCalDatabase& db, uint32_t width, uint32_t height,
                             Notes* notes = nullptr);

// The big-pictures page for an area of `width` x `height` (the window's
// client area, or kBigPicturesPrintWidth x kBigPicturesPrintHeight). The
// caller writes it with WritePageFile.
std::string BuildBigPicturesPage(const CCalDatabase& db, uint32_t width, uint32_t height,
                                 Notes* notes = nullptr);

}  // namespace tessolar
