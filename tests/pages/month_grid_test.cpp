#include "pages/month_grid.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "compute/language_table.h"
#include "pages/grid_parse_support.h"
#include "pages/page_conventions.h"

namespace tessolar {
namespace {

using testing::BigGridCells;
using testing::GridCell;
using testing::MonthLength;
using testing::WeekdayOf;

const char* const kMonthNames[] = {"January", "February", "March",     "April",   "May",      "June",
                                   "July",    "August",   "September", "October", "November", "December"};

std::string Heading(int month, int year) { return std::string(kMonthNames[month]) + " " + std::to_string(year); }

class MonthGridTest : public ::testing::Test {
 protected:
  void SetUp() override { SetPageFont("Verdana"); }
  void TearDown() override { SetLanguageIndex(0); }

  BigGridCells Read(int month, int year) {
    std::string page;
    MonthTable(page, db_, month, year, GridKind::kBig, WeekdayOf(year, month, 1), true);
    size_t from = 0;
    return testing::ReadBigGrid(page, from);
  }

  CCalDatabase db_;
};

// Where the mini months stand: the first and last free cells of a five-row
// grid, the first two when the month ends in the last column, and the first
// and last cells of a six-row grid.
TEST_F(MonthGridTest, EveryMonthOfFiveCenturiesPutsEachDayAndMiniMonthInItsCell) {
  for (int year = 1800; year <= 2300; ++year) {
    for (int month = 0; month < 12; ++month) {
      SCOPED_TRACE(Heading(month, year));
      const BigGridCells grid = Read(month, year);
      ASSERT_TRUE(grid.found);
      EXPECT_EQ(grid.headings.at(0), Heading(month, year));
      const int w = WeekdayOf(year, month, 1), days = MonthLength(year, month), last = w + days - 1;
      const int cells = last >= 35 ? 42 : 35;
      const int previous = last >= 35 || last % 7 == 6 || w != 0 ? 0 : 32;
      const int next = last >= 35 ? 41 : last % 7 == 6 ? 2 : 34;
      ASSERT_EQ(static_cast<int>(grid.cells.size()), cells);
      ASSERT_EQ(grid.rows * 7, cells);
      for (int i = 0; i < cells; ++i) {
        const GridCell& cell = grid.cells[i];
        const int day = i - w + 1;
        if (day >= 1 && day <= days) {
          char token[32];
          std::snprintf(token, sizeof token, "caldate%02d%02d", month, day);
          ASSERT_EQ(cell.kind, GridCell::kDay) << "cell " << i;
          EXPECT_EQ(cell.token, token);
          EXPECT_EQ(cell.dayCount, 0);
          continue;
        }
        const bool isPrevious = i == previous && (day < 1 || i != next);
        if (!isPrevious && i != next) {
          EXPECT_EQ(cell.kind, GridCell::kBlank) << "cell " << i;
          continue;
        }
        ASSERT_EQ(cell.kind, GridCell::kMini) << "cell " << i;
        const int miniMonth = isPrevious ? (month + 11) % 12 : (month + 1) % 12;
        const int miniYear = isPrevious && month == 0 ? year - 1 : !isPrevious && month == 11 ? year + 1 : year;
        EXPECT_EQ(cell.mini.heading, Heading(miniMonth, miniYear));
        EXPECT_EQ(cell.mini.firstWeekday, WeekdayOf(miniYear, miniMonth, 1));
        ASSERT_EQ(static_cast<int>(cell.mini.days.size()), MonthLength(miniYear, miniMonth));
        for (size_t d = 0; d < cell.mini.days.size(); ++d) EXPECT_EQ(cell.mini.days[d], static_cast<int>(d) + 1);
        EXPECT_EQ(cell.mini.rows, 6);
      }
    }
  }
}

TEST_F(MonthGridTest, HeadingsAndWeekdaysFollowTheLanguageAndTheHebrewMonths) {
  SetLanguageIndex(1);
  const BigGridCells spanish = Read(0, 2015);
  EXPECT_EQ(spanish.weekdays, (std::vector<std::string>{"DOM", "LUN", "MAR", "MIÉ", "JUE", "VIE", "SÁB"}));
  EXPECT_EQ(spanish.headings, std::vector<std::string>({"Enero 2015", "&nbsp;"}));
  db_.SetHebrew(true);
  SetLanguageIndex(0);
  // January 2008 runs from Teveth into Sh'vat of 5768; September 2007 from Elul 5767 into Tishri 5768.
  EXPECT_EQ(Read(0, 2008).headings.at(1), "Teveth/Sh'vat 5768");
  EXPECT_EQ(Read(8, 2007).headings.at(1), "Elul 5767/Tishri 5768");
}

TEST_F(MonthGridTest, DayCellsCountOnlyTheEntriesTheyShow) {
  db_.SaveHolidayData(3, 10, 1980, kBirthday, "Ann", "null", 0, 1);
  for (int i = 0; i < 6; ++i) db_.SaveHolidayData(3, 20, 1990 + i, kBirthday, "Kid", "null", 0, 0);
  // Someone born after the calendar year is not shown, nor is a hidden entry.
  db_.SaveHolidayData(3, 25, 2010, kBirthday, "Later", "null", 0, 0);
  db_.SaveHolidayData(3, 26, 2000, kBirthday, "Hidden", "null", 1, 0);
  db_.SortAndCompact();
  const BigGridCells grid = Read(3, 2007);  // April 2007 starts on Sunday
  for (const auto& [day, count, token] : {std::make_tuple(10, 1, "caldate0310"), std::make_tuple(20, 6, ""),
                                          std::make_tuple(25, 0, "caldate0325"), std::make_tuple(26, 0, "caldate0326")}) {
    EXPECT_EQ(grid.cells.at(day - 1).dayCount, count) << day;
    EXPECT_EQ(grid.cells.at(day - 1).token, token) << day;
  }
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
