#include "pages/month_grid.h"

#include "caldata/captions.h"
#include "compute/date_arithmetic.h"
#include "compute/hebrew_calendar.h"
#include "compute/language_table.h"
#include "compute/utf8.h"
#include "compute/week_start.h"
#include "pages/click_tokens.h"
#include "pages/day_cell.h"
#include "pages/html_escape.h"
#include "pages/page_blocks.h"
#include "pages/page_conventions.h"
#include "pages/page_text.h"

namespace tessolar {
namespace {

// Pixel dimensions of the two grids; the mini grid is a seventh of the big one.
struct GridSize {
  int width;          // table width
  int headHeight;     // heading row height attribute
  int headCellWidth;  // heading cell width attribute
  int weekdayHeight;  // weekday row height attribute
  int rowHeight;      // week row height attribute
};
constexpr GridSize kBigSize{945, 40, 540, 14, 95};
constexpr GridSize kMiniSize{945 / 7, 95 / 9, 135, 95 / 9, 95 / 9};

// Single-precision factors from pixels to the points the print layout uses.
constexpr float kTablePointsPerPixel = 0.8084656f;  // 764 / 945
constexpr float kPointsPerPixel = 0.75f;
constexpr float kHeadFactor = 0.95f;
constexpr float kHeadCellFactor = 0.4275f;
constexpr float kWeekdayFactor = 0.65f;
constexpr float kRowFactor = 0.85f;

constexpr int kCellsPerRow = 7;
constexpr int kFiveRowCells = 35;
constexpr int kSixRowCells = 42;
constexpr int kNoCell = -1;

// How many cells the big grid has and where the mini months may stand.
struct CellPlan {
  int cells;
  int previousMini;
  int nextMini;
};

CellPlan BigGridPlan(int firstColumn, int last) {
  if (last >= kFiveRowCells) return {kSixRowCells, 0, kSixRowCells - 1};
  if (last % kCellsPerRow == kCellsPerRow - 1) return {kFiveRowCells, 0, 2};
  if (firstColumn == 0) return {kFiveRowCells, 32, 34};
  return {kFiveRowCells, 0, 34};
}

double HeadPoints(const GridSize& size, bool fiveRows) {
  return fiveRows ? 2 * size.headHeight * kHeadFactor : size.headHeight * kHeadFactor;
}

std::string EscapedFont(const CCalDatabase& db) { return EscapeCssString(db.FontMainBody()); }

std::string EscapedMonthName(const CCalDatabase& db, int month) {
  return EscapeHtml(MonthName(db.Language(), month));
}

// The first `letters` letters of a weekday's name, in capitals.
std::string WeekdayInitials(const CCalDatabase& db, int weekday, size_t letters) {
  return EscapeHtml(ToUpperUtf8(CodePointPrefix(WeekdayName(db.Language(), weekday), letters)));
}

// Shown entries of a day: those the day cells can list (not hidden, not a
// reminder of another year, not dated after the calendar year).
int ShownEntryCount(const CCalDatabase& db, int month, int day) {
  int count = 0;
  for (const CalEntry& entry : db.GetEntriesOfDay(month, day)) {
    if (entry.year <= db.Year()) ++count;
  }
  return count;
}

void OpenRow(std::string& page, int rowHeight) {
  AppendFormat(page, "<tr height=%d style='mso-height-source:userset;height:%.2fpt'>\n", rowHeight,
               rowHeight * kRowFactor);
}

void CloseRow(std::string& page, int cell) {
  AppendFormat(page, "</tr><!-- %d %% 7 == 6 -->\n", cell);
}

void TableStart(std::string& page, const GridSize& size, const char* tableFormat, bool fiveRows) {
  AppendFormat(page, tableFormat, size.width, size.width * kTablePointsPerPixel);
  AppendFormat(page,
               "<col width=%d span=7 style='mso-width-source:userset;mso-width-alt:4937; "
               "width:%.2fpt'>\n",
               size.width / kCellsPerRow, size.width / 7.0f * kPointsPerPixel);
  AppendFormat(page, "<tr height=%d style='height:%.2fpt'>\n", size.headHeight,
               HeadPoints(size, fiveRows));
}

// The Hebrew months from day 1 to the last day, with the Hebrew year, or both
// years when the month spans the Hebrew new year. The names are the program's
// own ("Sh'vat" keeps its apostrophe, which element text allows).
std::string HebrewMonthsText(const CCalDatabase& db, int month, int year) {
  if (!db.Hebrew()) return "&nbsp;";
  const HebrewDate first = HebrewDateOf(1, month, year);
  const HebrewDate last = HebrewDateOf(DaysInMonth(month, year), month, year);
  if (!first.IsValid() || !last.IsValid()) return "&nbsp;";
  std::string text;
  if (first.year == last.year) {
    AppendFormat(text, "%s/%s %d", HebrewMonthName(first.month).c_str(),
                 HebrewMonthName(last.month).c_str(), first.year);
  } else {
    AppendFormat(text, "%s %d/%s %d", HebrewMonthName(first.month).c_str(), first.year,
                 HebrewMonthName(last.month).c_str(), last.year);
  }
  return text;
}

void BigHeading(std::string& page, const CCalDatabase& db, int month, int year, bool fiveRows) {
  const double headPoints = HeadPoints(kBigSize, fiveRows);
  const double headCellPoints = kBigSize.width * kHeadCellFactor;
  AppendFormat(page,
               "<td height=%d colspan=4 class=%s align=left width=%d style='height:%.2fpt; "
               "mso-ignore:colspan;width:%.2fpt' x:num=38353>%s %d</td>\n",
               fiveRows ? 2 * kBigSize.headHeight : kBigSize.headHeight, fiveRows ? "xl30" : "xl27",
               kBigSize.headCellWidth, headPoints, headCellPoints,
               EscapedMonthName(db, month).c_str(), year);
  AppendFormat(page,
               "<td height=%d colspan=3 class=xl27 align=right width=%d style='height:%.2fpt; "
               "mso-ignore:colspan;width:%.2fpt' x:num=38353>%s</td>\n",
               kBigSize.headHeight, kBigSize.headCellWidth, headPoints, headCellPoints,
               HebrewMonthsText(db, month, year).c_str());
  page += "</tr>\n";
}

void BigWeekdayRow(std::string& page, const CCalDatabase& db) {
  AppendFormat(page, "<tr height=%d style='height:%.2fpt'>\n", kBigSize.weekdayHeight,
               kBigSize.weekdayHeight * kWeekdayFactor);
  for (int column = 0; column < kCellsPerRow; ++column) {
    const std::string name = WeekdayInitials(db, WeekdayOfColumn(column, db.FirstWeekday()),
                                             WeekdayHeadingLetters(db.Language()));
    if (column == 0) {
      AppendFormat(
          page, "<td height=%d class=xl26 style='height:%.2fpt;color:gray;font-size:10'>%s</td>\n",
          kBigSize.weekdayHeight, kBigSize.weekdayHeight * kWeekdayFactor, name.c_str());
    } else {
      AppendFormat(page,
                   "<td class=xl26 style='border-left:none;color:gray;font-size:10'>%s</td>\n",
                   name.c_str());
    }
  }
  page += "</tr>\n";
}

void BigDay(std::string& page, const CCalDatabase& db, int month, int day, Notes* notes) {
  const int count = ShownEntryCount(db, month, day);
  AppendFormat(page, "<!-- DayCount is %d -->\n", count);
  if (count == 0) {
    page += EmptyDayCell(db.Year(), month, day);
    return;
  }
  AppendFormat(page, "<td class=xl25 x:num bgcolor=white data-date=\"%s\" data-token=\"%s\" >\n",
               DayCellDate(db.Year(), month, day).c_str(), DateToken(month, day).c_str());
  DayCell(page, db, month, day, static_cast<uint32_t>(count), notes);
  page += "</td>\n";
}

void BigGrid(std::string& page, const CCalDatabase& db, int month, int year, int firstColumn,
             bool single, Notes* notes) {
  const int days = DaysInMonth(month, year);
  const int last = firstColumn + days - 1;
  const bool fiveRows = last < kFiveRowCells;
  const CellPlan plan = BigGridPlan(firstColumn, last);

  if (!single) {
    page += "<tr>\n";
    AppendFormat(page,
                 "        <td width=%d align=center valign=center "
                 "style='width:%dpt;padding:0in .1pt 0in .1pt'>\n",
                 750, 750);
    page += "            <p class=pagebreak>\n";
  }
  AppendFormat(page, "            <span style='color:gray;font-family:\"%s\"'>\n",
               EscapedFont(db).c_str());
  page += fiveRows ? "<BR><BR>\n" : "<BR>\n";
  TableStart(page, kBigSize,
             "<table class=bigmonth x:str border=0 cellpadding=0 cellspacing=0 vspace=8 width=%d "
             "style='border-collapse:collapse;table-layout:fixed;width:%.0fpt; "
             "padding:0in .0pt 0in .0pt'>\n",
             fiveRows);
  BigHeading(page, db, month, year, fiveRows);
  BigWeekdayRow(page, db);

  for (int i = 0; i < plan.cells; ++i) {
    if (i % kCellsPerRow == 0) OpenRow(page, kBigSize.rowHeight);
    const bool before = i < firstColumn;
    const bool after = i > last;
    if (before || after) {
      // Before day 1 the previous month's place wins, after the last day the next's.
      const int first = before ? plan.previousMini : plan.nextMini;
      const int second = before ? plan.nextMini : plan.previousMini;
      const MiniMonth firstKind = before ? MiniMonth::kPrevious : MiniMonth::kNext;
      const MiniMonth secondKind = before ? MiniMonth::kNext : MiniMonth::kPrevious;
      if (i == first) {
        MiniMonthCell(page, db, month, year, kBigSize.rowHeight, firstColumn, firstKind);
      } else if (i == second) {
        MiniMonthCell(page, db, month, year, kBigSize.rowHeight, firstColumn, secondKind);
      } else {
        AppendFormat(page, "<td></td><!-- %d - index %d -->\n", before ? 1 : 2, i);
      }
    } else {
      BigDay(page, db, month, i - firstColumn + 1, notes);
    }
    if (i % kCellsPerRow == kCellsPerRow - 1) CloseRow(page, i);
  }
  AppendFormat(page, "</table><!-- end %s month %s-->", "big", EscapedMonthName(db, month).c_str());
  page += "            </span>\n";
  if (!single) {
    page +=
        "            </p>\n"
        "        </td>\n"
        "</tr>\n";
  }
}

void MiniGrid(std::string& page, const CCalDatabase& db, int month, int year, int firstColumn) {
  const int days = DaysInMonth(month, year);
  const int last = firstColumn + days - 1;
  const bool fiveRows = last < kFiveRowCells;
  const std::string name = EscapedMonthName(db, month);
  const std::string font = EscapedFont(db);

  AppendFormat(page, "<!-- insert a mini %s -->\n", name.c_str());
  TableStart(page, kMiniSize,
             "<table cols=7 x:str border=0 cellpadding=0 cellspacing=0 vspace=8 width=%d "
             "style='border-collapse:collapse;width:%.0fpt; padding:0in .0pt 0in .0pt'>\n",
             fiveRows);
  AppendFormat(page,
               "<td height=%d colspan=7 class=xl29 align=center width=%d "
               "style='height:%.2fpt;width:%.2fpt; border:none; padding:0in .0pt 0in .0pt' "
               "x:num=38353>\n",
               kMiniSize.headHeight, kMiniSize.headCellWidth, HeadPoints(kMiniSize, fiveRows),
               kMiniSize.width * kHeadCellFactor);
  AppendFormat(page, "<span style='color:gray;font-size:10;padding:-2px;font-family:\"%s\"'>\n",
               font.c_str());
  AppendFormat(page, "%s %d\n", name.c_str(), year);
  page += "</span></td>\n</tr>\n";

  AppendFormat(page, "<tr height=%d style='height:%.2fpt'>\n", kMiniSize.weekdayHeight,
               kMiniSize.weekdayHeight * kWeekdayFactor);
  for (int column = 0; column < kCellsPerRow; ++column) {
    const std::string letter = WeekdayInitials(db, WeekdayOfColumn(column, db.FirstWeekday()), 1);
    AppendFormat(page,
                 "<td align=center style='border:none'><span style='color:gray;font-size:9;"
                 "font-family:\"%s\"'>%s</span></td>\n",
                 font.c_str(), letter.c_str());
  }
  page += "</tr>\n";

  for (int i = 0; i < kSixRowCells; ++i) {
    if (i % kCellsPerRow == 0) OpenRow(page, kMiniSize.rowHeight);
    if (i < firstColumn) {
      AppendFormat(page, "<td></td><!-- 1 - index %d -->\n", i);
    } else if (i <= last) {
      AppendFormat(page,
                   "<td align=center class=xl23>\n"
                   "<span style='color:gray;font-size:9;font-family:\"%s\"; "
                   "padding:0in .0pt 0in .0pt'>\n"
                   "            %d\n"
                   "            </span></td>\n",
                   font.c_str(), i - firstColumn + 1);
    }
    if (i % kCellsPerRow == kCellsPerRow - 1) CloseRow(page, i);
  }
  AppendFormat(page, "</table><!-- end %s month %s-->", "mini", name.c_str());
}

}  // namespace

void MonthTable(std::string& page, const CCalDatabase& db, int month, int year, GridKind kind,
                int firstColumn, bool single, Notes* notes) {
  if (month < 0 || month > 11 || firstColumn < 0 || firstColumn >= kCellsPerRow) return;
  if (kind == GridKind::kBig) {
    BigGrid(page, db, month, year, firstColumn, single, notes);
  } else {
    MiniGrid(page, db, month, year, firstColumn);
  }
}

void MiniMonthCell(std::string& page, const CCalDatabase& db, int month, int year, int rowHeight,
                   int firstColumn, MiniMonth which) {
  if (month < 0 || month > 11 || firstColumn < 0 || firstColumn >= kCellsPerRow) return;
  AppendFormat(page, "<td valign=center height=%d><span>\n", rowHeight);
  if (which == MiniMonth::kPrevious) {
    const int previous = (month + 11) % 12;
    const int previousYear = previous == 11 ? year - 1 : year;
    int weekday = firstColumn - DaysInMonth(previous, previousYear) % kCellsPerRow;
    if (weekday < 0) weekday += kCellsPerRow;
    MonthTable(page, db, previous, previousYear, GridKind::kMini, weekday, false);
    page += "</span></td><!-- 1 end cell with mini month-->\n";
  } else {
    const int next = (month + 1) % 12;
    const int nextYear = next == 0 ? year + 1 : year;
    const int weekday = (DaysInMonth(month, year) + firstColumn) % kCellsPerRow;
    MonthTable(page, db, next, nextYear, GridKind::kMini, weekday, false);
    page += "</span></td><!-- 2 end cell with mini month-->\n";
  }
}

}  // namespace tessolar
