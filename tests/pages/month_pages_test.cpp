#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "pages/calendar_page.h"
#include "pages/grid_parse_support.h"
#include "pages/month_grid.h"
#include "pages/page_blocks.h"
#include "pages/page_conventions.h"
#include "pages/page_text.h"
#include "support/civil_reference.h"

namespace tessolar {
namespace {

namespace fs = std::filesystem;
using testing::Occurrences;

using support::LibraryMonthLength;
using support::LibraryWeekday;
using testing::BigGridCells;
using testing::GridCell;

const char* const kMonthNames[] = {"January",   "February", "March",    "April",
                                   "May",       "June",     "July",     "August",
                                   "September", "October",  "November", "December"};

std::string Heading(int month, int year) {
  return std::string(kMonthNames[month]) + " " + std::to_string(year);
}

// The column of a day in weeks that start on `firstWeekday`, from the C library's weekday.
int Column(int year, int month, int day, int firstWeekday) {
  return (LibraryWeekday(year, month, day) - firstWeekday + 7) % 7;
}

class MonthGridTest : public ::testing::TestWithParam<int> {
 protected:
  void SetUp() override { db_.SetFirstWeekday(GetParam()); }
  BigGridCells Read(int month, int year) {
    std::string page;
    MonthTable(page, db_, month, year, GridKind::kBig, Column(year, month, 1, GetParam()), true);
    size_t from = 0;
    return testing::ReadBigGrid(page, from);
  }

  CCalDatabase db_;
};

// Where the mini months stand: the first and last free cells of a five-row
// grid, the first two when the month ends in the last column, and the first
// and last cells of a six-row grid. Weeks start on Sunday or on Monday.
TEST_P(MonthGridTest, EveryMonthOfFiveCenturiesPutsEachDayAndMiniMonthInItsCell) {
  const int firstWeekday = GetParam();
  const std::vector<std::string> headings =
      firstWeekday == 0 ? std::vector<std::string>{"SUN", "MON", "TUE", "WED", "THU", "FRI", "SAT"}
                        : std::vector<std::string>{"MON", "TUE", "WED", "THU", "FRI", "SAT", "SUN"};
  for (int year = 1800; year <= 2300; ++year) {
    for (int month = 0; month < 12; ++month) {
      SCOPED_TRACE(Heading(month, year));
      const BigGridCells grid = Read(month, year);
      ASSERT_TRUE(grid.found);
      EXPECT_EQ(grid.headings.at(0), Heading(month, year));
      EXPECT_EQ(grid.weekdays, headings);
      const int w = Column(year, month, 1, firstWeekday), days = LibraryMonthLength(year, month),
                last = w + days - 1;
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
        const int miniYear = isPrevious && month == 0     ? year - 1
                             : !isPrevious && month == 11 ? year + 1
                                                          : year;
        EXPECT_EQ(cell.mini.heading, Heading(miniMonth, miniYear));
        EXPECT_EQ(cell.mini.firstWeekday, Column(miniYear, miniMonth, 1, firstWeekday));
        ASSERT_EQ(static_cast<int>(cell.mini.days.size()), LibraryMonthLength(miniYear, miniMonth));
        for (size_t d = 0; d < cell.mini.days.size(); ++d)
          EXPECT_EQ(cell.mini.days[d], static_cast<int>(d) + 1);
        EXPECT_EQ(cell.mini.rows, 6);
      }
    }
  }
}

INSTANTIATE_TEST_SUITE_P(WeeksFromSundayAndFromMonday, MonthGridTest, ::testing::Values(0, 1));

// Weekdays head their columns as each language abbreviates them.
TEST(MonthGrid, WeekdayHeadingsAsEachLanguageAbbreviatesThem) {
  const std::pair<int, std::vector<std::string>> cases[] = {
      {3, {"LUN", "MAR", "MER", "JEU", "VEN", "SAM", "DIM"}},
      {4, {"MA", "DI", "WO", "DO", "VR", "ZA", "ZO"}},
      {5, {"LUN", "MAR", "MER", "GIO", "VEN", "SAB", "DOM"}}};
  for (const auto& [language, headings] : cases) {
    CCalDatabase db;
    db.SetLanguage(language);
    db.SetFirstWeekday(1);
    std::string page;
    MonthTable(page, db, 0, 2027, GridKind::kBig, Column(2027, 0, 1, 1), true);
    size_t from = 0;
    EXPECT_EQ(testing::ReadBigGrid(page, from).weekdays, headings) << language;
  }
}

class CalendarPageTest : public ::testing::Test {
 protected:
  void SetUp() override {
    setenv("TESSOLAR_PAGE_DIR", dir_.c_str(), 1);
    for (int slot = 0; slot < 12; ++slot) {
      db_.SetBigPicture(slot, "missing.jpg", "Picture of month " + std::to_string(slot));
    }
  }
  void TearDown() override {
    unsetenv("TESSOLAR_PAGE_DIR");
    fs::remove_all(dir_);
  }
  const fs::path dir_ =
      fs::temp_directory_path() /
      ("tessolar_calendar_page_" +
       std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
  CCalDatabase db_;
};

// The title, the months, the big pictures, then the month pictures from
// December back; each month starts in the column after the one the last ended in.
TEST_F(CalendarPageTest, AllMonthsPageHasItsPartsInOrderAndEachMonthStartsWhereTheLastEnded) {
  for (int year : {1900, 2016, 2100}) {
    db_.SetYear(year);
    db_.SetFirstWeekday(year == 2016 ? 1 : 0);
    const std::string page = CalendarPageText(db_, 0, 12);
    size_t from = page.find("<table cols=1 class=\"MsoTableGrid yearbook\"");
    for (int month = 0; month < 12; ++month) {
      const testing::BigGridCells grid = testing::ReadBigGrid(page, from);
      ASSERT_TRUE(grid.found) << year << " " << month;
      EXPECT_EQ(grid.headings.at(0), Heading(month, year));
      int firstDay = 0;
      while (grid.cells[firstDay].kind != testing::GridCell::kDay) ++firstDay;
      EXPECT_EQ(firstDay, Column(year, month, 1, db_.FirstWeekday())) << year << " " << month;
    }
    from = page.find("</table><!-- table 7 bigpics page -->", from);
    for (int month = 11; month >= 0; --month) {
      ASSERT_NE(from = page.find("Picture of month " + std::to_string(month) + "\n", from),
                std::string::npos);
    }
    EXPECT_EQ(Occurrences(page, "<p class=pagebreak>\n"), 12u);
    EXPECT_EQ(Occurrences(page, "<p class=pagebreak><br><br>\n"), 12u);
  }
}

// The page's contract with scripts, tests and assistive technology: each day
// cell carries its date, each element of an entry the entry's store index
// beside its click token.
TEST_F(CalendarPageTest, DayCellsCarryTheirDatesAndEntriesTheirIndices) {
  db_.SetYear(2028);
  for (int day : {1, 1, 2, 2, 2, 29, 29, 29, 29, 29}) {
    db_.SaveHolidayData(1, day, 2000, kPersonalEvent, "Event " + std::to_string(day), "null", 0, 0);
  }
  db_.SortAndCompact();
  const std::string page = CalendarPageText(db_, 1, 2);
  for (int day = 1; day <= 29; ++day) {
    const std::string date =
        Printf("data-date=\"2028-02-%02d\" data-token=\"caldate01%02d\"", day, day);
    EXPECT_EQ(Occurrences(page, date), 1u) << day;
  }
  EXPECT_EQ(Occurrences(page, "data-date=\"2028-02-30\""), 0u);
  const std::regex entry("data-entry=([0-9]+) onDblClick=onBtnOk\\(\"calidx([0-9]{4})\"\\)");
  std::set<int> indices;
  for (auto it = std::sregex_iterator(page.begin(), page.end(), entry);
       it != std::sregex_iterator(); ++it) {
    EXPECT_EQ(std::stoi((*it)[1]), std::stoi((*it)[2]));
    indices.insert(std::stoi((*it)[1]));
  }
  // The fifth entry of the 29th waits behind the day's mark.
  EXPECT_EQ(indices, (std::set<int>{0, 1, 2, 3, 4, 5, 6, 7, 8}));
}

TEST_F(CalendarPageTest, MonthPictureKeepsItsProportionsWithinTheSheet) {
  const std::string pictures = std::string(TESSOLAR_TEST_DATA) + "/pictures/";
  const std::pair<std::string, const char*> cases[] = {
      {pictures + "grey_1600x1200.png", "933 height=700"},
      {pictures + "progressive_200x600.jpg", "233 height=700"},
      {pictures + "screen_320x240.gif", "933 height=700"},
      {pictures + "nothing.jpg", "950 height=700"},
      {std::string(TESSOLAR_SOURCE_DIR) + "/resources/clipart/santa.svg", "700 height=700"},
      {"", "950 height=700"},
      {"grey_1600x1200.png", "933 height=700"}};  // a bare name comes from the clip-art folder
  db_.SetClipartDirectory(pictures);
  for (const auto& [file, size] : cases) {
    db_.SetBigPicture(3, file, "Spring");
    std::string row;
    MonthPictureRow(row, db_, 3);
    EXPECT_NE(row.find(std::string("<img width=") + size + " src="), std::string::npos) << file;
    EXPECT_NE(row.find(MonthPictureCaption("Spring")), std::string::npos);
  }
}

TEST_F(CalendarPageTest, BuildWritesThePageFileAndStillReturnsTheTextWhenItCannot) {
  const std::string text = BuildCalendarPage(db_, 2, 3);
  std::stringstream written;
  written << std::ifstream(PageFilePath(), std::ios::binary).rdbuf();
  EXPECT_EQ(written.str(), text);
  // The page file itself where a folder of pages should be.
  setenv("TESSOLAR_PAGE_DIR", (fs::path(PageFilePath()) / "pages").c_str(), 1);
  EXPECT_TRUE(BuildCalendarPage(db_, 2, 3) == CalendarPageText(db_, 2, 3));
}

}  // namespace
}  // namespace tessolar
