#include "pages/wall_calendar.h"

#include <algorithm>
#include <cmath>

#include "pages/calendar_page.h"
#include "pages/html_escape.h"
#include "pages/image_size.h"
#include "pages/month_grid.h"
#include "pages/month_view.h"
#include "pages/page_blocks.h"
#include "pages/page_text.h"
#include "pages/title_pages.h"

namespace tessolar {
namespace {

// The big grid's own width (764 points) and the height of its tallest month
// (six weeks, or five with the taller heading), in CSS pixels.
constexpr double kGridWidth = 764.0 * 4 / 3;
constexpr double kGridHeight = 790;
constexpr uint32_t kCaptionHeight = 28;
// Engines round a sheet to whole points; a sheet a pixel too tall would spill.
constexpr uint32_t kSheetSlack = 2;

void OpenSheet(std::string& page, SheetArea area) {
  AppendFormat(page, "<div class=wallsheet style='width:%upx'>\n", area.width);
}

bool DrawnFromSvg(const std::string& url) {
  return url.size() >= 4 && url.compare(url.size() - 4, 4, ".svg") == 0;
}

// The picture's box in its frame: covering the frame (the frame clips what
// stands out) or whole within it, centred either way. The engine then draws
// the file itself, clipped, so a photo reaches the PDF with all its pixels.
struct PictureBox {
  int left, top;
  uint32_t width, height;
};

PictureBox PlacePicture(PictureSize picture, SheetArea frame, bool crop) {
  const double across = static_cast<double>(frame.width) / picture.width;
  const double down = static_cast<double>(frame.height) / picture.height;
  const double scale = crop ? std::max(across, down) : std::min(across, down);
  const auto width = static_cast<uint32_t>(std::lround(picture.width * scale));
  const auto height = static_cast<uint32_t>(std::lround(picture.height * scale));
  return {(static_cast<int>(frame.width) - static_cast<int>(width)) / 2,
          (static_cast<int>(frame.height) - static_cast<int>(height)) / 2, width, height};
}

void MonthSheet(std::string& page, const CCalDatabase& db, int month, SheetArea area,
                WallPictureFit fit, PageFacts& facts, Notes* notes) {
  // The grid is the booklet's, scaled to the sheet's width; the picture
  // takes what is left above it, about half the sheet.
  const double zoom = area.width / kGridWidth;
  const auto gridHeight = static_cast<uint32_t>(std::ceil(kGridHeight * zoom));
  const uint32_t used = gridHeight + kCaptionHeight;
  const SheetArea frame{area.width, area.height > used ? area.height - used : 0};
  const std::string file = db.BigPicturePath(month);
  const std::string url = PictureUrl(file);
  const bool crop = fit == WallPictureFit::kCrop && !DrawnFromSvg(url);
  const PictureBox box =
      PlacePicture(MonthPictureSize(file, notes).value_or(kDefaultPictureSize), frame, crop);

  OpenSheet(page, area);
  AppendFormat(page,
               "<div class=wallframe style='height:%upx'><img width=%u height=%u "
               "style='left:%dpx; top:%dpx' src=\"%s\"></div>\n",
               frame.height, box.width, box.height, box.left, box.top, url.c_str());
  AppendFormat(page, "<div class=wallcaption style='font-family:\"%s\"'>%s</div>\n",
               EscapeCssString(db.FontMainBody()).c_str(),
               EscapeHtml(db.BigPictureAt(month).description).c_str());
  AppendFormat(page, "<div class=wallgrid style='zoom:%.4f'>\n", zoom);
  AppendMonthGrid(page, BuildMonthView(db, month, db.Span().YearOf(month), facts),
                  GridPlace::kWallSheet);
  page += "</div>\n</div>\n";
}

}  // namespace

std::string WallCalendarPageText(const CCalDatabase& db, int firstMonth, int endMonth,
                                 SheetArea area, WallPictureFit fit, Notes* notes) {
  const int first = std::max(firstMonth, 0);
  const int end = std::min(endMonth, 12);
  const SheetArea sheet{area.width, area.height > kSheetSlack ? area.height - kSheetSlack : 0};
  std::string page;
  page.reserve(1 << 20);
  AppendCalendarHead(page, db.FontMainBody());
  page += WallHeadBlock();
  page += '\n';
  if (first == 0 && end == 12) {
    OpenSheet(page, sheet);
    TitleSheet(page, db, sheet, notes);
    page += "</div>\n";
  }
  PageFacts facts(db, notes);
  for (int position = first; position < end; ++position) {
    MonthSheet(page, db, db.Span().MonthAt(position), sheet, fit, facts, notes);
  }
  page += PageCloseBlock();
  page += '\n';
  return page;
}

}  // namespace tessolar
