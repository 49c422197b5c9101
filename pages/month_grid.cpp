#include "pages/month_grid.h"

#include "pages/day_cell.h"
#include "pages/html_escape.h"
#include "pages/page_text.h"

namespace tessolar {
namespace {

constexpr int kSmallMonthCells = 42;

// The lengths in points that the print layout gives the two grids (the
// small one a seventh of the big one); a five-week month has a heading row
// twice as high.
struct GridLengths {
  const char* table;          // the table's opening up to its width in points
  const char* columns;        // the columns' element
  const char* headingRow[2];  // the heading row's opening: six weeks, five weeks
  const char* weekdayRow;
  const char* weekRow;
};

constexpr GridLengths kBig{
    "<table class=bigmonth role=grid border=0 cellpadding=0 cellspacing=0 vspace=8 width=945 "
    "style='border-collapse:collapse;table-layout:fixed;padding:0in .0pt 0in .0pt;",
    "<col width=135 span=7 style='width:101.25pt'>\n",
    {"<tr aria-hidden=true height=40 style='height:38.00pt'>\n",
     "<tr aria-hidden=true height=40 style='height:76.00pt'>\n"},
    "<tr height=14 style='height:9.10pt'>\n",
    "<tr height=95 style='height:80.75pt'>\n"};

constexpr GridLengths kSmall{
    "<table cols=7 aria-hidden=true border=0 cellpadding=0 cellspacing=0 vspace=8 width=135 "
    "style='border-collapse:collapse;width:109pt; padding:0in .0pt 0in .0pt'>\n",
    "<col width=19 span=7 style='width:14.46pt'>\n",
    {"<tr height=10 style='height:9.50pt'>\n", "<tr height=10 style='height:19.00pt'>\n"},
    "<tr height=10 style='height:6.50pt'>\n",
    "<tr height=10 style='height:8.50pt'>\n"};

void AppendSmallMonth(std::string& page, const MiniMonthView& mini, const MonthView& month,
                      const std::string& font) {
  const int last = mini.firstColumn + mini.days - 1;
  Append(page, "<td valign=center height=95><span>\n", kSmall.table, kSmall.columns,
         kSmall.headingRow[last < 35 ? 1 : 0],
         "<td height=10 colspan=7 class=xl29 align=center width=135 style='height:",
         last < 35 ? "19.00" : "9.50",
         "pt;width:57.71pt; border:none; padding:0in .0pt 0in .0pt'>\n"
         "<span style='color:gray;font-size:10;padding:-2px;font-family:\"",
         font, "\"'>", EscapeHtml(mini.heading), "</span></td>\n</tr>\n", kSmall.weekdayRow);
  for (const std::string& letter : month.weekdayLetters) {
    Append(page,
           "<td align=center style='border:none'><span style='color:gray;font-size:9;"
           "font-family:\"",
           font, "\"'>", EscapeHtml(letter), "</span></td>\n");
  }
  page += "</tr>\n";
  for (int cell = 0; cell < kSmallMonthCells; ++cell) {
    if (cell % kDaysPerWeek == 0) page += kSmall.weekRow;
    if (cell < mini.firstColumn) {
      page += "<td></td>\n";
    } else if (cell <= last) {
      Append(page, "<td align=center class=xl23><span style='color:gray;font-size:9;font-family:\"",
             font, "\"; padding:0in .0pt 0in .0pt'>", cell - mini.firstColumn + 1,
             "</span></td>\n");
    }
    if (cell % kDaysPerWeek == kDaysPerWeek - 1) page += "</tr>\n";
  }
  page += "</table></span></td>\n";
}

// The week numbers' column, left of the days: narrow enough that the day
// columns keep almost all of the grid's width.
constexpr const char* kWeekColumn = "<col class=weekcol width=19 style='width:14pt'>\n";

void AppendHeadings(std::string& page, const MonthView& month) {
  const bool five = month.FiveWeeks();
  const char* height = five ? "76.00" : "38.00";
  const bool numbered = !month.weekNumbers.empty();
  Append(page, kBig.headingRow[five ? 1 : 0], numbered ? "<td></td>\n" : "",
         "<td height=", five ? 80 : 40, " colspan=4 class=", five ? "xl30" : "xl27",
         " align=left width=540 style='height:", height, "pt;width:403.99pt'>",
         EscapeHtml(month.heading), "</td>\n",
         "<td height=40 colspan=3 class=xl27 align=right width=540 style='height:", height,
         "pt;width:403.99pt'>",
         month.hebrewMonths.empty() ? "&nbsp;" : EscapeHtml(month.hebrewMonths), "</td>\n</tr>\n",
         kBig.weekdayRow, numbered ? "<td class=weekno></td>\n" : "");
  for (int column = 0; column < kDaysPerWeek; ++column) {
    Append(page,
           column == 0 ? "<td height=14 class=xl26 style='height:9.10pt;"
                       : "<td class=xl26 style='border-left:none;",
           "color:gray;font-size:10' role=columnheader aria-label=\"",
           EscapeHtml(month.weekdayNames[column]), "\">", EscapeHtml(month.weekdays[column]),
           "</td>\n");
  }
  page += "</tr>\n";
}

}  // namespace

void AppendMonthGrid(std::string& page, const MonthView& month, GridPlace place) {
  const std::string font = EscapeCssString(month.font);
  if (place == GridPlace::kYearbookRow) {
    page +=
        "<tr>\n<td width=750 align=center valign=center "
        "style='width:750pt;padding:0in .1pt 0in .1pt'>\n<p class=pagebreak>\n";
  }
  Append(page, "<span style='color:gray;font-family:\"", font, "\"'>\n");
  // The wall calendar's sheet places the grid itself; the booklet's pages
  // keep a margin above it, larger above the shorter five-week months.
  if (place != GridPlace::kWallSheet) page += month.FiveWeeks() ? "<BR><BR>\n" : "<BR>\n";
  // The grid is named by its headings, which a screen reader then skips.
  std::string name = month.heading;
  if (!month.hebrewMonths.empty()) name += ", " + month.hebrewMonths;
  Append(page, kBig.table, place == GridPlace::kWallSheet ? "width:100%'" : "width:764pt'",
         " aria-label=\"", EscapeHtml(name), "\">\n", month.weekNumbers.empty() ? "" : kWeekColumn,
         kBig.columns);
  AppendHeadings(page, month);
  for (int cell = 0; cell < month.cells; ++cell) {
    if (cell % kDaysPerWeek == 0) {
      page += kBig.weekRow;
      if (!month.weekNumbers.empty()) {
        const MonthView::WeekNumber& number = month.weekNumbers[cell / kDaysPerWeek];
        Append(page, "<td class=weekno role=rowheader data-iso-week=", number.week,
               " aria-label=\"", EscapeHtml(number.spoken), "\">", number.week, "</td>\n");
      }
    }
    switch (month.KindOfCell(cell)) {
      case CellKind::kDay: AppendDayCell(page, month.DayOfCell(cell), month.month, font); break;
      case CellKind::kPreviousMonth: AppendSmallMonth(page, month.previous, month, font); break;
      case CellKind::kNextMonth: AppendSmallMonth(page, month.next, month, font); break;
      case CellKind::kBlank: page += "<td></td>\n"; break;
    }
    if (cell % kDaysPerWeek == kDaysPerWeek - 1) page += "</tr>\n";
  }
  page += "</table>\n</span>\n";
  if (place == GridPlace::kYearbookRow) page += "</p>\n</td>\n</tr>\n";
}

}  // namespace tessolar
