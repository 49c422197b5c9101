#include "pages/month_grid.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "compute/date_arithmetic.h"
#include "compute/language_table.h"
#include "pages/grid_parse_support.h"
#include "pages/page_blocks.h"
#include "pages/page_conventions.h"

namespace tessolar {
namespace {

using testing::BigGridCells;
using testing::GridCell;
using testing::MonthLength;
using testing::Occurrences;
using testing::ReadBigGrid;
using testing::WeekdayOf;

const char* const kMonthNames[] = {"January", "February", "March",     "April",   "May",      "June",
                                   "July",    "August",   "September", "October", "November", "December"};

class MonthGridTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SetLanguageIndex(0);
    SetPageFont("Verdana");
  }

  std::string Grid(int month, int year, bool single = true) {
    std::string page;
    MonthTable(page, db_, month, year, GridKind::kBig, WeekdayOf(year, month, 1), single);
    return page;
  }

  BigGridCells Read(const std::string& page) {
    size_t from = 0;
    return ReadBigGrid(page, from);
  }

  CCalDatabase db_;
};

// Where the mini months may stand, as the cell plan of the big grid lays down.
struct Plan {
  int cells, previous, next;
};
Plan ExpectedPlan(int w, int last) {
  if (last >= 35) return {42, 0, 41};
  if (last % 7 == 6) return {35, 0, 2};
  return w == 0 ? Plan{35, 32, 34} : Plan{35, 0, 34};
}

std::string Heading(int month, int year) {
  return std::string(kMonthNames[month]) + " " + std::to_string(year);
}

TEST_F(MonthGridTest, EveryMonthOfFiveCenturiesPutsEachDayAndMiniMonthInItsCell) {
  for (int year = 1800; year <= 2300; ++year) {
    for (int month = 0; month < 12; ++month) {
      SCOPED_TRACE(Heading(month, year));
      const BigGridCells grid = Read(Grid(month, year));
      ASSERT_EQ(grid.error, "");
      EXPECT_EQ(grid.heading, Heading(month, year));

      const int w = WeekdayOf(year, month, 1);
      const int days = MonthLength(year, month);
      const Plan plan = ExpectedPlan(w, w + days - 1);
      ASSERT_EQ(static_cast<int>(grid.cells.size()), plan.cells);
      ASSERT_EQ(grid.rows * 7, plan.cells);

      for (int i = 0; i < plan.cells; ++i) {
        const GridCell& cell = grid.cells[i];
        const int day = i - w + 1;
        if (day >= 1 && day <= days) {
          ASSERT_EQ(cell.kind, GridCell::kDay) << "cell " << i;
          char token[32];
          std::snprintf(token, sizeof token, "caldate%02d%02d", month, day);
          EXPECT_EQ(cell.token, token);
          EXPECT_EQ(cell.dayCount, 0);
          continue;
        }
        const bool previous = i == plan.previous && (day < 1 || i != plan.next);
        const bool next = i == plan.next && !previous;
        if (!previous && !next) {
          EXPECT_EQ(cell.kind, GridCell::kBlank) << "cell " << i;
          continue;
        }
        ASSERT_EQ(cell.kind, GridCell::kMini) << "cell " << i;
        const int miniMonth = previous ? (month + 11) % 12 : (month + 1) % 12;
        const int miniYear = previous && month == 0 ? year - 1 : !previous && month == 11 ? year + 1 : year;
        EXPECT_EQ(cell.mini.heading, Heading(miniMonth, miniYear));
        EXPECT_EQ(cell.mini.firstWeekday, WeekdayOf(miniYear, miniMonth, 1));
        ASSERT_EQ(static_cast<int>(cell.mini.days.size()), MonthLength(miniYear, miniMonth));
        for (size_t d = 0; d < cell.mini.days.size(); ++d) EXPECT_EQ(cell.mini.days[d], static_cast<int>(d) + 1);
        EXPECT_EQ(cell.mini.rows, 6);
      }
    }
  }
}

// Cell placement is swept above; these are the pieces around the cells.
TEST_F(MonthGridTest, FiveRowMonthHasADoubleHeadingAndSixRowMonthASingleOne) {
  // March 2017 starts on Wednesday and ends in cell 33.
  const std::string page = Grid(2, 2017);
  EXPECT_EQ(page.rfind("            <span style='color:gray;font-family:\"Verdana\"'>\n<BR><BR>\n"
                       "<table x:str border=0 cellpadding=0 cellspacing=0 vspace=8 width=945 "
                       "style='border-collapse:collapse;table-layout:fixed;width:764pt; padding:0in .0pt 0in .0pt'>\n"
                       "<col width=135 span=7 style='mso-width-source:userset;mso-width-alt:4937; width:101.25pt'>\n"
                       "<tr height=40 style='height:76.00pt'>\n"
                       "<td height=80 colspan=4 class=xl30 align=left width=540 style='height:76.00pt; "
                       "mso-ignore:colspan;width:403.99pt' x:num=38353>March 2017</td>\n"
                       "<td height=40 colspan=3 class=xl27 align=right width=540 style='height:76.00pt; "
                       "mso-ignore:colspan;width:403.99pt' x:num=38353>&nbsp;</td>\n"
                       "</tr>\n"
                       "<tr height=14 style='height:9.10pt'>\n"
                       "<td height=14 class=xl26 style='height:9.10pt;color:gray;font-size:10'>SUN</td>\n"
                       "<td class=xl26 style='border-left:none;color:gray;font-size:10'>MON</td>\n",
                       0),
            0u);
  EXPECT_NE(page.find("<td></td><!-- 1 - index 1 -->\n<td></td><!-- 1 - index 2 -->\n<!-- DayCount is 0 -->\n" +
                      EmptyDayCell(2, 1)),
            std::string::npos);
  const std::string tail =
      "</table><!-- end big month March-->            </span>\n            </p>\n        </td>\n</tr>\n";
  EXPECT_EQ(page.substr(page.size() - tail.size()), tail);
  // September 2007 starts on Saturday: its last day is in cell 35.
  const std::string six = Grid(8, 2007);
  EXPECT_NE(six.find("'>\n<BR>\n<table x:str"), std::string::npos);
  EXPECT_NE(six.find("<tr height=40 style='height:38.00pt'>\n<td height=40 colspan=4 class=xl27 align=left "
                     "width=540 style='height:38.00pt; mso-ignore:colspan;width:403.99pt' "
                     "x:num=38353>September 2007</td>\n"),
            std::string::npos);
}

TEST_F(MonthGridTest, MiniGridPiecesAreExact) {
  std::string page;
  MonthTable(page, db_, 11, 2014, GridKind::kMini, 1, false);
  const std::string head =
      "<!-- insert a mini December -->\n"
      "<table cols=7 x:str border=0 cellpadding=0 cellspacing=0 vspace=8 width=135 "
      "style='border-collapse:collapse;width:109pt; padding:0in .0pt 0in .0pt'>\n"
      "<col width=19 span=7 style='mso-width-source:userset;mso-width-alt:4937; width:14.46pt'>\n"
      "<tr height=10 style='height:19.00pt'>\n"
      "<td height=10 colspan=7 class=xl29 align=center width=135 style='height:19.00pt;width:57.71pt; "
      "border:none; padding:0in .0pt 0in .0pt' x:num=38353>\n"
      "<span style='color:gray;font-size:10;padding:-2px;font-family:\"Verdana\"'>\n"
      "December 2014\n"
      "</span></td>\n"
      "</tr>\n"
      "<tr height=10 style='height:6.50pt'>\n"
      "<td align=center style='border:none'><span style='color:gray;font-size:9;font-family:\"Verdana\"'>S</span></td>\n"
      "<td align=center style='border:none'><span style='color:gray;font-size:9;font-family:\"Verdana\"'>M</span></td>\n";
  EXPECT_EQ(page.substr(0, head.size()), head);
  EXPECT_NE(page.find("<tr height=10 style='mso-height-source:userset;height:8.50pt'>\n"
                      "<td></td><!-- 1 - index 0 -->\n"
                      "<td align=center class=xl23>\n"
                      "<span style='color:gray;font-size:9;font-family:\"Verdana\"; padding:0in .0pt 0in .0pt'>\n"
                      "            1\n"
                      "            </span></td>\n"),
            std::string::npos);
  // Day 31 is in cell 31; the rest of the grid is row pieces only.
  const std::string tail =
      "            31\n            </span></td>\n</tr><!-- 34 % 7 == 6 -->\n"
      "<tr height=10 style='mso-height-source:userset;height:8.50pt'>\n</tr><!-- 41 % 7 == 6 -->\n"
      "</table><!-- end mini month December-->";
  EXPECT_EQ(page.substr(page.size() - tail.size()), tail);
  // A six-row mini month has the single heading height.
  page.clear();
  MonthTable(page, db_, 8, 2007, GridKind::kMini, 6, false);
  EXPECT_NE(page.find("<tr height=10 style='height:9.50pt'>\n"), std::string::npos);
}

TEST_F(MonthGridTest, AllMonthsWrapperOnlyWhenNotSingle) {
  const std::string wrapped = Grid(2, 2017, false);
  EXPECT_EQ(wrapped.rfind("<tr>\n        <td width=750 align=center valign=center "
                          "style='width:750pt;padding:0in .1pt 0in .1pt'>\n"
                          "            <p class=pagebreak>\n            <span ",
                          0),
            0u);
  const std::string single = Grid(2, 2017, true);
  EXPECT_EQ(single.rfind("            <span ", 0), 0u);
  EXPECT_EQ(single.find("pagebreak"), std::string::npos);
  EXPECT_EQ(wrapped.substr(wrapped.size() - 60), single.substr(single.size() - 60));
}

TEST_F(MonthGridTest, HebrewMonthsWithinOneYearAndAcrossTheNewYear) {
  db_.SetHebrew(true);
  // January 2008 runs from Teveth into Sh'vat of 5768.
  EXPECT_NE(Grid(0, 2008).find("<td height=40 colspan=3 class=xl27 align=right width=540 "
                               "style='height:76.00pt; mso-ignore:colspan;width:403.99pt' "
                               "x:num=38353>Teveth/Sh'vat 5768</td>\n"),
            std::string::npos);
  // September 2007 runs from Elul 5767 into Tishri 5768.
  EXPECT_NE(Grid(8, 2007).find("<td height=40 colspan=3 class=xl27 align=right width=540 "
                               "style='height:38.00pt; mso-ignore:colspan;width:403.99pt' "
                               "x:num=38353>Elul 5767/Tishri 5768</td>\n"),
            std::string::npos);
}

TEST_F(MonthGridTest, DayCellsFollowTheShownEntryCount) {
  db_.SetYear(2007);
  db_.SaveHolidayData(3, 10, 1980, kBirthday, "Ann", "null", 0, 1);
  for (int i = 0; i < 6; ++i) db_.SaveHolidayData(3, 20, 1990 + i, kBirthday, "Kid" + std::to_string(i), "null", 0, 0);
  // Someone born after the calendar year is not shown and does not count.
  db_.SaveHolidayData(3, 25, 2010, kBirthday, "Later", "null", 0, 0);
  db_.SaveHolidayData(3, 26, 2000, kBirthday, "Hidden", "null", 1, 0);
  db_.SortAndCompact();
  const std::string page = Grid(3, 2007);
  EXPECT_NE(page.find("<!-- DayCount is 1 -->\n<td class=xl25 x:num bgcolor=white >\n<table "), std::string::npos);
  EXPECT_NE(page.find("<!-- DayCount is 6 -->\n<td class=xl25 x:num bgcolor=white >\n&nbsp;</td>\n"),
            std::string::npos);
  EXPECT_NE(page.find("<!-- DayCount is 0 -->\n" + EmptyDayCell(3, 25)), std::string::npos);
  EXPECT_NE(page.find("<!-- DayCount is 0 -->\n" + EmptyDayCell(3, 26)), std::string::npos);
  EXPECT_NE(page.find("Ann"), std::string::npos);
}

TEST_F(MonthGridTest, WeekdayNamesFollowTheLanguage) {
  SetLanguageIndex(1);
  const BigGridCells grid = Read(Grid(0, 2015));
  SetLanguageIndex(0);
  EXPECT_EQ(grid.weekdays, (std::vector<std::string>{"DOM", "LUN", "MAR", "MIÉ", "JUE", "VIE", "SÁB"}));
  EXPECT_EQ(grid.heading, "Enero 2015");
}

TEST_F(MonthGridTest, OutOfRangeArgumentsWriteNothing) {
  std::string page;
  MonthTable(page, db_, 12, 2015, GridKind::kBig, 0, true);
  MonthTable(page, db_, -1, 2015, GridKind::kMini, 0, true);
  MonthTable(page, db_, 0, 2015, GridKind::kBig, 7, true);
  MiniMonthCell(page, db_, 0, 2015, 95, -1, MiniMonth::kNext);
  EXPECT_EQ(page, "");
}

}  // namespace
}  // namespace tessolar
