#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "compute/language_table.h"
#include "pages/calendar_page.h"
#include "pages/grid_parse_support.h"
#include "pages/month_grid.h"
#include "pages/page_blocks.h"
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

namespace fs = std::filesystem;
using testing::Occurrences;

// A baseline JPEG that is only its headers: start of image, an APP0 segment
// and the frame header with the given size.
void WriteJpeg(const fs::path& path, int width, int height) {
  const unsigned char header[] = {0xFF, 0xD8, 0xFF, 0xE0, 0x00, 0x04, 0x00, 0x00, 0xFF, 0xC0, 0x00, 0x0B, 0x08,
                                  static_cast<unsigned char>(height >> 8), static_cast<unsigned char>(height),
                                  static_cast<unsigned char>(width >> 8), static_cast<unsigned char>(width),
                                  0x01, 0x01, 0x11, 0x00};
  std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(header), sizeof header);
}

class CalendarPageTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SetLanguageIndex(0);
    dir_ = fs::temp_directory_path() / ("tessolar_calpage_" + std::to_string(::getpid()));
    fs::create_directories(dir_);
    setenv("TESSOLAR_PAGE_DIR", (dir_ / "pages").c_str(), 1);
    db_.SetYear(2015);
    for (int slot = 0; slot < 12; ++slot) db_.SetBigPicture(slot, "missing.jpg", "Picture of month " + std::to_string(slot));
  }
  void TearDown() override {
    unsetenv("TESSOLAR_PAGE_DIR");
    fs::remove_all(dir_);
  }
  fs::path dir_;
  CCalDatabase db_;
};

TEST_F(CalendarPageTest, AllMonthsPageHasItsPartsInOrderAndEachMonthStartsWhereTheLastEnded) {
  const std::string page = CalendarPageText(db_, 0, 12);
  size_t at = page.find(FolderLink());
  std::vector<std::string> parts = {"<table cols=1 class=MsoTableGrid"};  // the title
  for (const char* month : {"January", "February", "March", "April", "May", "June", "July", "August",
                            "September", "October", "November", "December"})
    parts.push_back(std::string("</table><!-- end big month ") + month + "-->");
  parts.push_back("</table><!-- table 7 bigpics page -->");
  for (int slot = 11; slot >= 0; --slot) parts.push_back("Picture of month " + std::to_string(slot) + "\n");
  parts.push_back("</table><!-- table 8 main table -->\n" + std::string(PageCloseBlock()) + "\n");
  for (const std::string& part : parts) {
    ASSERT_NE(at, std::string::npos) << part;
    at = page.find(part, at);
  }
  EXPECT_EQ(at + parts.back().size(), page.size());
  // Every month after its picture, each on a sheet of its own.
  EXPECT_EQ(Occurrences(page, "<p class=pagebreak>\n"), 12u);
  EXPECT_EQ(Occurrences(page, "<p class=pagebreak><br><br>\n"), 12u);
  for (int year : {1900, 2016, 2100}) {
    db_.SetYear(year);
    const std::string months = CalendarPageText(db_, 0, 12);
    size_t from = 0;
    for (int month = 0; month < 12; ++month) {
      const testing::BigGridCells grid = testing::ReadBigGrid(months, from);
      ASSERT_TRUE(grid.found) << year << " " << month;
      int firstDay = 0;
      while (grid.cells[firstDay].kind != testing::GridCell::kDay) ++firstDay;
      EXPECT_EQ(firstDay, testing::WeekdayOf(year, month, 1)) << year << " " << month;
    }
  }
}

TEST_F(CalendarPageTest, MonthPictureKeepsItsProportionsWithinTheSheet) {
  WriteJpeg(dir_ / "wide.jpg", 2000, 1000);
  WriteJpeg(dir_ / "photo.jpg", 1600, 1200);
  WriteJpeg(dir_ / "tall.JPG", 600, 1200);
  std::ofstream(dir_ / "picture.gif") << std::string("GIF89a\x40\x01\xF0\x00\x00\x00\x00", 13);  // 320 x 240
  const std::pair<std::string, const char*> cases[] = {
      {(dir_ / "photo.jpg").string(), "933 height=700"},  {(dir_ / "wide.jpg").string(), "950 height=475"},
      {(dir_ / "tall.JPG").string(), "350 height=700"},   {(dir_ / "nothing.jpg").string(), "950 height=700"},
      {(dir_ / "picture.gif").string(), "933 height=700"}, {(dir_ / "photo.jpg.gif").string(), "950 height=700"},
      {"", "950 height=700"},
      {"photo.jpg", "933 height=700"}};  // a bare name is taken from the clip-art folder
  db_.SetClipartDirectory(dir_.string() + "/");
  for (const auto& [file, size] : cases) {
    db_.SetBigPicture(3, file, "Spring");
    std::string row;
    MonthPictureRow(row, db_, 3);
    EXPECT_NE(row.find(std::string("<img width=") + size + " src="), std::string::npos) << file << "\n" << row;
    EXPECT_NE(row.find(MonthPictureCaption("Spring")), std::string::npos);
  }
}

TEST_F(CalendarPageTest, BuildWritesThePageFileAndStillReturnsTheTextWhenItCannot) {
  const std::string text = BuildCalendarPage(db_, 2, 3);
  std::stringstream written;
  written << std::ifstream(PageFilePath(), std::ios::binary).rdbuf();
  EXPECT_EQ(written.str(), text);
  std::ofstream(dir_ / "blocker") << "a file where the folder should be";
  setenv("TESSOLAR_PAGE_DIR", (dir_ / "blocker" / "pages").c_str(), 1);
  EXPECT_TRUE(BuildCalendarPage(db_, 2, 3) == CalendarPageText(db_, 2, 3));
}

}  // namespace
}  // namespace tessolar
