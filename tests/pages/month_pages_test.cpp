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
#include "pages/markup_shape_support.h"
#include "pages/month_grid.h"
#include "pages/month_view.h"
#include "pages/page_blocks.h"
#include "pages/page_conventions.h"
#include "pages/page_text.h"
#include "pages/wall_calendar.h"
#include "support/civil_reference.h"

namespace tessolar {
namespace {

namespace fs = std::filesystem;
using testing::Occurrences;

using support::LibraryMonthLength;
using support::LibraryWeekday;

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

class MonthViewTest : public ::testing::TestWithParam<int> {
 protected:
  void SetUp() override { db_.SetFirstWeekday(GetParam()); }
  MonthView View(int month, int year) { return BuildMonthView(db_, month, year, facts_); }

  CCalDatabase db_;
  PageFacts facts_{db_};
};

// Where the small months stand: the first and last free cells of a five-week
// grid, the first two when the month ends in the last column, and the first
// and last cells of a six-week grid. Weeks start on Sunday or on Monday.
TEST_P(MonthViewTest, EveryMonthOfFiveCenturiesPutsEachDayAndSmallMonthInItsCell) {
  const int firstWeekday = GetParam();
  const std::vector<std::string> headings =
      firstWeekday == 0 ? std::vector<std::string>{"SUN", "MON", "TUE", "WED", "THU", "FRI", "SAT"}
                        : std::vector<std::string>{"MON", "TUE", "WED", "THU", "FRI", "SAT", "SUN"};
  for (int year = 1800; year <= 2300; ++year) {
    for (int month = 0; month < 12; ++month) {
      SCOPED_TRACE(Heading(month, year));
      const MonthView view = View(month, year);
      EXPECT_EQ(view.heading, Heading(month, year));
      EXPECT_EQ(std::vector<std::string>(view.weekdays.begin(), view.weekdays.end()), headings);
      const int w = Column(year, month, 1, firstWeekday), days = LibraryMonthLength(year, month),
                last = w + days - 1;
      const int cells = last >= 35 ? 42 : 35;
      const int previous = last >= 35 || last % 7 == 6 || w != 0 ? 0 : 32;
      const int next = last >= 35 ? 41 : last % 7 == 6 ? 2 : 34;
      ASSERT_EQ(view.cells, cells);
      ASSERT_EQ(static_cast<int>(view.days.size()), days);
      for (int i = 0; i < cells; ++i) {
        const int day = i - w + 1;
        if (day >= 1 && day <= days) {
          ASSERT_EQ(view.KindOfCell(i), CellKind::kDay) << "cell " << i;
          const DayView& cell = view.DayOfCell(i);
          EXPECT_EQ(cell.day, day);
          EXPECT_EQ(cell.date, Printf("%04d-%02d-%02d", year, month + 1, day));
          EXPECT_EQ(cell.layout, DayLayout::kEmpty);
          continue;
        }
        const bool isPrevious = i == previous;
        if (!isPrevious && i != next) {
          EXPECT_EQ(view.KindOfCell(i), CellKind::kBlank) << "cell " << i;
          continue;
        }
        ASSERT_EQ(view.KindOfCell(i), isPrevious ? CellKind::kPreviousMonth : CellKind::kNextMonth)
            << "cell " << i;
        const MiniMonthView& mini = isPrevious ? view.previous : view.next;
        const int miniMonth = isPrevious ? (month + 11) % 12 : (month + 1) % 12;
        const int miniYear = isPrevious && month == 0     ? year - 1
                             : !isPrevious && month == 11 ? year + 1
                                                          : year;
        EXPECT_EQ(mini.heading, Heading(miniMonth, miniYear));
        EXPECT_EQ(mini.firstColumn, Column(miniYear, miniMonth, 1, firstWeekday));
        EXPECT_EQ(mini.days, LibraryMonthLength(miniYear, miniMonth));
      }
    }
  }
}

// Each week row is numbered with the ISO week of its Monday, as the C
// library counts it; grids from Sunday hold the Sunday before that Monday.
TEST_P(MonthViewTest, WeekNumbersAreTheIsoWeeksOfEachRowsMonday) {
  const int firstWeekday = GetParam();
  EXPECT_TRUE(View(0, 2027).weekNumbers.empty());
  db_.SetWeekNumbers(true);
  db_.SetLanguage(2);
  const int mondayColumn = (1 - firstWeekday + 7) % 7;
  for (int year = 1990; year <= 2040; ++year) {
    for (int month = 0; month < 12; ++month) {
      SCOPED_TRACE(Heading(month, year));
      const MonthView view = View(month, year);
      ASSERT_EQ(static_cast<int>(view.weekNumbers.size()), view.cells / 7);
      const int w = Column(year, month, 1, firstWeekday);
      for (int row = 0; row < view.cells / 7; ++row) {
        const int week = support::LibraryIsoWeek(year, month, row * 7 + mondayColumn - w + 1);
        EXPECT_EQ(view.weekNumbers[row].week, week) << "row " << row;
        EXPECT_EQ(view.weekNumbers[row].spoken, "Kalenderwoche " + std::to_string(week));
      }
      std::string page;
      AppendMonthGrid(page, view, GridPlace::kOwnPage);
      EXPECT_EQ(Occurrences(page, "data-iso-week="), static_cast<size_t>(view.cells / 7));
      EXPECT_NE(page.find("data-iso-week=" + std::to_string(view.weekNumbers.back().week) +
                          " aria-label=\"Kalenderwoche"),
                std::string::npos);
    }
  }
}

INSTANTIATE_TEST_SUITE_P(WeeksFromSundayAndFromMonday, MonthViewTest, ::testing::Values(0, 1));

// Weekdays head their columns as each language abbreviates them.
TEST(MonthView, WeekdayHeadingsAsEachLanguageAbbreviatesThem) {
  const std::pair<int, std::vector<std::string>> cases[] = {
      {3, {"LUN", "MAR", "MER", "JEU", "VEN", "SAM", "DIM"}},
      {4, {"MA", "DI", "WO", "DO", "VR", "ZA", "ZO"}},
      {5, {"LUN", "MAR", "MER", "GIO", "VEN", "SAB", "DOM"}}};
  for (const auto& [language, headings] : cases) {
    CCalDatabase db;
    db.SetLanguage(language);
    db.SetFirstWeekday(1);
    PageFacts facts(db);
    const MonthView view = BuildMonthView(db, 0, 2027, facts);
    EXPECT_EQ(std::vector<std::string>(view.weekdays.begin(), view.weekdays.end()), headings)
        << language;
  }
}

// The bodies of whole pages as written, against files kept under
// tests/data/pages (the heads are the fixed blocks): a leap
// February with Hebrew months and days of one, two, three and six entries,
// for the screen and booklet, and for the wall calendar. After a change to
// the markup that is meant, TESSOLAR_UPDATE_GOLDEN=1 writes the files anew.
TEST(GoldenPages, MonthPagesAreWrittenAsKept) {
  const std::string data = TESSOLAR_TEST_DATA;
  setenv("TESSOLAR_PAGE_DIR", "/golden/pages", 1);
  CCalDatabase db;
  db.SetYear(2028);
  db.SetHebrew(true);
  db.SetClipartDirectory(data + "/pictures/");
  const std::pair<int, int> days[] = {{3, 1}, {10, 2}, {15, 3}, {29, 6}};
  for (const auto& [day, count] : days) {
    for (int k = 0; k < count; ++k) {
      db.SaveHolidayData(1, day, 1990 + k, k % 2 ? kBirthday : kAnniversary,
                         "Person " + std::to_string(day * 10 + k),
                         k % 3 ? "null" : "baseline_320x240.jpg", 0, 1);
    }
  }
  db.SortAndCompact();
  const std::pair<const char*, std::string> pages[] = {
      {"february_2028.html", CalendarPageText(db, 1, 2)},
      {"february_2028_wall.html",
       WallCalendarPageText(db, 1, 2, SheetArea{700, 1000}, WallPictureFit::kCrop)}};
  unsetenv("TESSOLAR_PAGE_DIR");
  for (const auto& [name, written] : pages) {
    std::string page = written.substr(written.find("<body>"));
    ReplaceMarker(page, data, "TEST_DATA");
    const std::string path = data + "/pages/" + name;
    if (std::getenv("TESSOLAR_UPDATE_GOLDEN") != nullptr) std::ofstream(path) << page;
    std::stringstream kept;
    kept << std::ifstream(path).rdbuf();
    EXPECT_TRUE(kept.str() == page) << name << " differs from what was kept";
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

// The title, the months from the start month, the big pictures, then the
// month pictures from the last month back; each month, of its own year,
// starts in the column after the one the last ended in. The wall calendar
// has the title sheet and the same twelve months.
TEST_F(CalendarPageTest, AllMonthsPageHasItsPartsInOrderFromEveryStartMonth) {
  for (int year : {1900, 2015, 2100}) {
    for (int start = 0; start < 12; ++start) {
      SCOPED_TRACE(std::to_string(year) + " from month " + std::to_string(start));
      db_.SetYear(year);
      db_.SetStartMonth(start);
      db_.SetFirstWeekday(year == 2015 ? 1 : 0);
      const std::string page = CalendarPageText(db_, 0, 12);
      const std::string wall =
          WallCalendarPageText(db_, 0, 12, SheetArea{700, 1000}, WallPictureFit::kCrop);
      const std::string years =
          start == 0 ? std::to_string(year) : Printf("%d/%02d", year, (year + 1) % 100);
      // Across two years, a line under the title names the months it runs.
      const std::string months =
          start == 0 ? "" : Heading(start, year) + " – " + Heading(start - 1, year + 1);
      EXPECT_NE(page.find("Blank Title " + years +
                          (start == 0 ? "</div>"
                                      : "<span class=titlespan style='font-size:40%'>" + months +
                                            "</span></div>")),
                std::string::npos);
      size_t from = page.find("<table cols=1 class=\"MsoTableGrid yearbook\"");
      size_t wallFrom = 0;
      for (int position = 0; position < 12; ++position) {
        const int month = (start + position) % 12;
        const int monthYear = month < start ? year + 1 : year;
        ASSERT_NE(from = page.find(">" + Heading(month, monthYear) + "</td>", from),
                  std::string::npos);
        ASSERT_NE(wallFrom = wall.find(">" + Heading(month, monthYear) + "</td>", wallFrom),
                  std::string::npos);
        const std::string first = Printf("data-date=\"%04d-%02d-01\"", monthYear, month + 1);
        EXPECT_EQ(Occurrences(page, first), 1u) << month;
        const std::string alone = CalendarPageText(db_, position, position + 1);
        EXPECT_EQ(Occurrences(alone, first), 1u) << month;
        EXPECT_EQ(Occurrences(alone, Printf("data-date=\"%04d-%02d-", monthYear, month + 1)),
                  static_cast<size_t>(LibraryMonthLength(monthYear, month)));
      }
      from = page.find("Made with Tessolar", from);
      for (int position = 11; position >= 0; --position) {
        const int month = (start + position) % 12;
        ASSERT_NE(from = page.find("Picture of month " + std::to_string(month) + "\n", from),
                  std::string::npos);
      }
      EXPECT_EQ(Occurrences(page, "<p class=pagebreak>\n"), 12u);
      EXPECT_EQ(Occurrences(page, "<p class=pagebreak><br><br>\n"), 12u);
      EXPECT_EQ(Occurrences(wall, "<div class=wallsheet"), 13u);
    }
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
