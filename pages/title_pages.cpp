#include "pages/title_pages.h"

#include <algorithm>

#include "compute/language_table.h"
#include "pages/click_tokens.h"
#include "pages/html_escape.h"
#include "pages/image_size.h"
#include "pages/page_blocks.h"
#include "pages/page_conventions.h"
#include "pages/page_text.h"

namespace tessolar {
namespace {

// The title sheet on screen and in the booklet: the all-months table's width
// (750 points) and a height that a landscape A4 or Letter sheet holds.
constexpr SheetArea kBookletTitleSheet{1000, 790};
constexpr uint32_t kTitleGap = 16;  // between the title line and the picture
// The months of a calendar across two years, a line under the title at this
// share of its size (the page's .titlespan).
constexpr uint32_t kSpanLinePercent = 40;

// The index accepts 12, one past the last big picture; it shows the first.
int TitlePictureSlot(const CCalDatabase& db) {
  const uint32_t index = db.TitlePictureIndex();
  return index < static_cast<uint32_t>(kBigPictureCount) ? static_cast<int>(index) : 0;
}

std::string TitleColor(const CCalDatabase& db) {
  const std::string color = SanitizeCssValue(db.TitleFontColor());
  return color.empty() ? "gray" : color;
}

std::string PageStart() {
  std::string page(PageOpenBlock());
  page += "\n" + FolderLink() + "\n";
  page += CommonHeadBlock();
  return page;
}

// Where the title line and the picture stand on a sheet, in CSS pixels.
struct TitleLayout {
  uint32_t left, top, width, lineHeight;
  uint32_t bandTop, bandHeight;  // the picture's band, above or below the line
};

// The title stays where the title dialog put it, kept on the sheet; the
// picture takes the larger free band above or below its line, so the two
// never overlap however large the title is set.
TitleLayout LayOutTitle(const CCalDatabase& db, SheetArea area) {
  TitleLayout layout{};
  // One line at line-height 1.2 of the font's points, in pixels, and the
  // smaller line of the months under it.
  layout.lineHeight = db.TitleFontSize() * 4 * 12 / 30;
  if (db.Span().CrossesYear()) layout.lineHeight += layout.lineHeight * kSpanLinePercent / 100;
  layout.left = std::min(db.TitleXPos(), area.width / 2);
  const uint32_t lowest = area.height > layout.lineHeight ? area.height - layout.lineHeight : 0;
  layout.top = std::min(db.TitleYPos(), lowest);
  const uint32_t room = area.width - layout.left;
  layout.width = db.TitleWidth() == 0 ? room : std::min(db.TitleWidth(), room);
  const uint32_t above = layout.top > kTitleGap ? layout.top - kTitleGap : 0;
  const uint32_t belowTop = std::min(layout.top + layout.lineHeight + kTitleGap, area.height);
  const uint32_t below = area.height - belowTop;
  layout.bandTop = above > below ? 0 : belowTop;
  layout.bandHeight = std::max(above, below);
  return layout;
}

// The line "September 2027 – August 2028" under the title of a calendar that
// runs across two years: the months it runs, in its language.
std::string SpanLine(const CCalDatabase& db) {
  const CalendarSpan span = db.Span();
  if (!span.CrossesYear()) return {};
  const int last = span.MonthAt(kMonthsPerYear - 1);
  std::string text = LanguageString(db.Language(), lang::kSpanOfMonths);
  ReplaceMarker(text, "{from}",
                MonthName(db.Language(), span.startMonth) + " " + std::to_string(span.year));
  ReplaceMarker(text, "{to}",
                MonthName(db.Language(), last) + " " + std::to_string(span.YearOf(last)));
  return Printf("<span class=titlespan style='font-size:%u%%'>", kSpanLinePercent) +
         EscapeHtml(text) + "</span>";
}

}  // namespace

void TitleSheet(std::string& page, const CCalDatabase& db, SheetArea area, Notes* notes) {
  const int slot = TitlePictureSlot(db);
  const std::string picture = db.BigPicturePath(slot);
  const PictureSize size = ImageSize(picture, notes);
  const TitleLayout layout = LayOutTitle(db, area);
  const PictureSize fit = FitIntoBox(layout.bandHeight, area.width, size.height, size.width);
  const uint32_t pictureTop = layout.bandTop + (layout.bandHeight - fit.height) / 2;
  const std::string font = EscapeCssString(db.TitleFontStyle());

  AppendFormat(page, "<div class=titlesheet style='height:%upx'>\n", area.height);
  AppendFormat(page,
               "<img width=\"%u\" height=\"%u\" style='top:%upx' src=\"%s\" alt=\"%s\" "
               "role=button tabindex=0 onDblClick=onBtnOk(\"%s\"); >\n",
               fit.width, fit.height, pictureTop, PictureUrl(picture).c_str(),
               EscapeHtml(db.BigPictureAt(slot).description).c_str(),
               TitlePictureToken(slot).c_str());
  AppendFormat(page,
               "<div class=titletext role=button tabindex=0 onDblClick=onBtnOk(\"%s\"); "
               "style='left:%upx; top:%upx; "
               "width:%upx; max-width:calc(100%% - %upx); color:%s; font-size:%u.0pt; "
               "font-family:\"%s\"'>",
               kTitleTextToken, layout.left, layout.top, layout.width, layout.left,
               TitleColor(db).c_str(), db.TitleFontSize(), font.c_str());
  page += EscapeHtml(db.Title()) + " " + SpanYears(db.Span()) + SpanLine(db) + "</div>\n";
  page += "</div>\n<script>fitTitles();</script>\n";
}

void TitleTable(std::string& page, const CCalDatabase& db, Notes* notes) {
  page +=
      "<table cols=1 class=\"MsoTableGrid yearbook\" border=0 cellspacing=0 cellpadding=0 "
      "width=1000 style='width:750pt;border-collapse:collapse'>\n";
  page += "<tr>";
  AppendPiece(page, 8, "<td width=1000 align=center valign=top style='width:750pt;padding:0'>\n");
  TitleSheet(page, db, kBookletTitleSheet, notes);
  AppendPiece(page, 8, "</td>\n");
  page += "</tr>\n";
}

std::string BuildTitlePage(const CCalDatabase& db, Notes* notes) {
  std::string page = PageStart();
  page +=
      "<body link=blue vlink=purple onload=\"onLoad();\" leftmargin=0 topmargin=0 "
      "rightmargin=0 bottommargin=0 \n";
  page += "style=\"background-color: buttonface\" >\n";
  page += "<div class=Section1>\n";
  page += "<span style='color:black;font-family:\"Verdana\",sans-serif;font-size:16.0pt' >";
  TitleTable(page, db, notes);
  page += "</span>";
  page += std::string(PageCloseBlock()) + "\n";
  return page;
}

std::string BigPicturesTable(const CCalDatabase& db, uint32_t width, uint32_t height,
                             Notes* notes) {
  std::string table = "<table width=\"100%\" cols=4 valign=top border=1 >";
  // In the calendar's order, from its first month.
  for (int i = 0; i < kBigPictureCount; ++i) {
    const int slot = db.Span().MonthAt(i);
    const BigPicture& big = db.BigPictureAt(slot);
    if (i % 4 == 0) table += "<tr>";
    const std::string token = BigPictureToken(slot);
    table += Printf("<td valign=top width=\"25%%\" data-token=\"%s\" >", token.c_str());
    table += "<table cols=1 width=100% valign=top >";
    const std::string description = EscapeHtml(big.description);
    table += Printf("<tr><td align=center ><span onDblClick=onBtnOk(\"%s\") >%s</span></td></tr>",
                    token.c_str(), description.c_str());
    table += "<tr><td>";
    const std::string picture = db.BigPicturePath(slot);
    const PictureSize size = ImageSize(picture, notes);
    const PictureSize fit = FitIntoBox(height / 4, width / 4, size.height, size.width);
    // Each picture in the keyboard order, named by its description.
    table += Printf(
        "<img width=%u height=%u src=\"%s\" alt=\"%s\" role=button tabindex=0 "
        "onDblClick=onBtnOk(\"%s\") >\n",
        fit.width, fit.height, PictureUrl(picture).c_str(), description.c_str(), token.c_str());
    table += "</td></tr>";
    table += "</table>";
    table += "</td>";
    if (i % 4 == 3) table += "</tr>";
  }
  table += "</table>";
  return table;
}

std::string BuildBigPicturesPage(const CCalDatabase& db, uint32_t width, uint32_t height,
                                 Notes* notes) {
  std::string page = PageStart();
  page += WithFontMarker(BigPicturesHeadBlock(), db.FontMainBody());
  page += Printf("<font face=\"%s\" >\n", EscapeHtml(db.FontMainBody()).c_str());
  page += BigPicturesTable(db, width, height, notes);
  page += "</font>\n";
  page += std::string(PageCloseBlock()) + "\n";
  return page;
}

}  // namespace tessolar
