#include "pages/calendar_page.h"

#include <algorithm>
#include <cctype>
#include <optional>

#include "pages/html_escape.h"
#include "pages/image_size.h"
#include "pages/month_grid.h"
#include "pages/month_view.h"
#include "pages/page_blocks.h"
#include "pages/page_conventions.h"
#include "pages/page_text.h"
#include "pages/title_pages.h"

namespace tessolar {
namespace {

// A month picture fills a landscape sheet: 700 high, at most 950 wide.
constexpr uint32_t kMonthPictureWidth = 950;
constexpr uint32_t kMonthPictureHeight = 700;

void BigPicturesRow(std::string& page, const CCalDatabase& db, Notes* notes) {
  page += "    <tr>\n";
  AppendFormat(page,
               "        <td width=%d align=center valign=bottom "
               "style='width:%dpt;padding:0in .1pt 0in .1pt'>\n",
               950, 700);
  page += "            <p class=pagebreak><br><br><br><br>\n";
  page += BigPicturesTable(db, kBigPicturesPrintWidth, kBigPicturesPrintHeight, notes);
  page += "            </p>\n";
  page += "<P align=right>Made with Tessolar</p>\n";
  page += "        </td>\n";
  page += "    </tr>\n";
}

}  // namespace

std::optional<PictureSize> MonthPictureSize(const std::string& file, Notes* notes) {
  if (IsNoPicture(file)) return std::nullopt;
  std::string lower = file;
  for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  if (lower.find(".gif") != std::string::npos || lower.find(".png") != std::string::npos ||
      lower.find(".svg") != std::string::npos) {
    const PictureSize size = ImageSize(file, notes);
    if (size == kDefaultPictureSize) return std::nullopt;
    return size;
  }
  PictureSize size;
  if (JpegSize(file, &size.width, &size.height, notes) != 0 || size.width == 0 ||
      size.height == 0) {
    return std::nullopt;
  }
  return size;
}

void AppendCalendarHead(std::string& page, const std::string& font) {
  for (std::string_view block :
       {PageOpenBlock(), MonthHeadBlock1(), MonthHeadBlock2(), MonthHeadBlock3()}) {
    page += WithFontMarker(block, font);
    page += '\n';
  }
  page += FolderLink();
  page += '\n';
}

void MonthPictureRow(std::string& page, const CCalDatabase& db, int month, Notes* notes) {
  const std::string file = db.BigPicturePath(month);
  uint32_t width = kMonthPictureWidth;
  uint32_t height = kMonthPictureHeight;
  if (const auto probed = MonthPictureSize(file, notes)) {
    width = static_cast<uint32_t>(uint64_t{probed->width} * kMonthPictureHeight / probed->height);
    if (width > kMonthPictureWidth) {
      height = static_cast<uint32_t>(uint64_t{probed->height} * kMonthPictureWidth / probed->width);
      width = kMonthPictureWidth;
    }
  }
  page += "    <tr>\n";
  AppendFormat(page,
               "        <td width=%d align=center valign=bottom "
               "style='width:%dpt;padding:0in .1pt 0in .1pt'>\n",
               950, 700);
  page += "            <p class=pagebreak><br><br>\n";
  AppendFormat(page, "            <img width=%u height=%u src=\"%s\">\n",
               width, height, PictureUrl(file).c_str());
  AppendFormat(page,
               "            <span style='color:gray;font-size:24.0pt;font-family:\"%s\"'><br>\n",
               EscapeCssString(db.FontMainBody()).c_str());
  page += MonthPictureCaption(db.BigPictureAt(month).description);
  page += "            </SPAN>\n";
  page += "            </p>\n";
  page += "        </td>\n";
  page += "    </tr>\n";
}

std::string CalendarPageText(const CCalDatabase& db, int firstMonth, int endMonth, Notes* notes) {
  const bool allMonths = firstMonth == 0 && endMonth == 12;
  const int first = std::max(firstMonth, 0);
  const int end = std::min(endMonth, 12);
  std::string page;
  page.reserve(allMonths ? 1 << 20 : 1 << 17);
  AppendCalendarHead(page, db.FontMainBody());
  const CalendarSpan span = db.Span();
  if (span.CrossesYear()) {
    // The keyboard's moves stay within the calendar's months.
    const int last = span.MonthAt(11);
    AppendFormat(page, "<script>calendarMonths = [\"%04d-%02d\", \"%04d-%02d\"];</script>\n",
                 span.year, span.startMonth + 1, span.YearOf(last), last + 1);
  }
  if (allMonths) TitleTable(page, db, notes);
  PageFacts facts(db, notes);
  const GridPlace place = first + 1 == end ? GridPlace::kOwnPage : GridPlace::kYearbookRow;
  for (int position = first; position < end; ++position) {
    const int month = span.MonthAt(position);
    AppendMonthGrid(page, BuildMonthView(db, month, span.YearOf(month), facts), place);
  }
  if (allMonths) {
    BigPicturesRow(page, db, notes);
    for (int position = 11; position >= 0; --position) {
      MonthPictureRow(page, db, span.MonthAt(position), notes);
    }
    page += "</table>\n";
  }
  page += PageCloseBlock();
  page += '\n';
  return page;
}

std::string BuildCalendarPage(const CCalDatabase& db, int firstMonth, int endMonth) {
  std::string page = CalendarPageText(db, firstMonth, endMonth);
  WritePageFile(page);
  return page;
}

}  // namespace tessolar
