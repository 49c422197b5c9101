#include "pages/calendar_page.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "compute/language_table.h"
#include "pages/grid_parse_support.h"
#include "pages/page_blocks.h"
#include "pages/page_conventions.h"

namespace tessolar {
namespace {

namespace fs = std::filesystem;
using testing::BigGridCells;
using testing::GridCell;
using testing::Occurrences;
using testing::ReadBigGrid;
using testing::WeekdayOf;

// A baseline JPEG that is only its headers: start of image, an APP0 segment
// and the frame header with the given size.
void WriteJpeg(const fs::path& path, int width, int height) {
  const unsigned char header[] = {0xFF, 0xD8, 0xFF, 0xE0, 0x00, 0x04, 0x00, 0x00,
                                  0xFF, 0xC0, 0x00, 0x0B, 0x08,
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
    for (int slot = 0; slot < 12; ++slot) {
      db_.SetBigPicture(slot, (dir_ / "missing.jpg").string(), "Picture of month " + std::to_string(slot));
    }
  }
  void TearDown() override {
    unsetenv("TESSOLAR_PAGE_DIR");
    fs::remove_all(dir_);
  }

  std::string MonthPicture(const fs::path& file) {
    db_.SetBigPicture(0, file.string(), "x");
    std::string page;
    MonthPictureRow(page, db_, 0);
    const size_t img = page.find("<img ");
    return page.substr(img, page.find(" src=", img) - img);
  }

  fs::path dir_;
  CCalDatabase db_;
};

TEST_F(CalendarPageTest, AllMonthsPageHasItsPartsInOrder) {
  const std::string page = CalendarPageText(db_, 0, 12);
  size_t at = page.find(FolderLink());
  ASSERT_NE(at, std::string::npos);
  const size_t title = page.find("<table cols=1 class=MsoTableGrid", at);
  ASSERT_NE(title, std::string::npos);
  at = title;
  for (const char* month : {"January", "February", "March", "April", "May", "June", "July", "August",
                            "September", "October", "November", "December"}) {
    at = page.find(std::string("</table><!-- end big month ") + month + "-->", at);
    ASSERT_NE(at, std::string::npos) << month;
  }
  at = page.find("<p class=pagebreak><br><br><br><br>\n", at);
  ASSERT_NE(at, std::string::npos);
  at = page.find("</table><!-- table 7 bigpics page -->", at);
  ASSERT_NE(at, std::string::npos);
  for (int slot = 11; slot >= 0; --slot) {
    at = page.find("Picture of month " + std::to_string(slot) + "\n", at);
    ASSERT_NE(at, std::string::npos) << slot;
  }
  const std::string end = "</table><!-- table 8 main table -->\n" + std::string(PageCloseBlock()) + "\n";
  EXPECT_EQ(page.substr(page.size() - end.size()), end);
  EXPECT_EQ(Occurrences(page, "<p class=pagebreak>\n"), 12u);
  EXPECT_EQ(Occurrences(page, "<p class=pagebreak><br><br>\n"), 12u);
}

TEST_F(CalendarPageTest, OneMonthPageIsHeadGridAndCloseInTheCalendarFont) {
  db_.SetFontMainBody("Georgia");
  const std::string page = CalendarPageText(db_, 4, 5);
  EXPECT_EQ(PageFont(), "Georgia");
  EXPECT_EQ(page.find("insert_font_here"), std::string::npos);
  EXPECT_GT(Occurrences(page, "\"Georgia\""), 3u);
  const std::string head = std::string(PageOpenBlock()) + "\n";
  EXPECT_EQ(page.rfind(head, 0), 0u);
  EXPECT_NE(page.find(FolderLink() + "\n            <span style="), std::string::npos);
  EXPECT_EQ(Occurrences(page, "end big month"), 1u);
  EXPECT_NE(page.find("end big month May"), std::string::npos);
  for (const char* absent : {"<p class=pagebreak", "table 8 main table", "bigpics", "caltitle", "calbigpic"}) {
    EXPECT_EQ(page.find(absent), std::string::npos) << absent;
  }
  const std::string end = "        </td>\n</tr>\n" + std::string(PageCloseBlock()) + "\n";
  EXPECT_EQ(page.substr(page.size() - end.size()), end);
}

TEST_F(CalendarPageTest, EachMonthStartsInTheColumnAfterThePreviousMonthEnds) {
  for (int year : {1900, 2016, 2100}) {
    db_.SetYear(year);
    const std::string page = CalendarPageText(db_, 0, 12);
    size_t from = 0;
    for (int month = 0; month < 12; ++month) {
      const BigGridCells grid = ReadBigGrid(page, from);
      ASSERT_EQ(grid.error, "") << year << " " << month;
      int firstDay = 0;
      while (grid.cells[firstDay].kind != GridCell::kDay) ++firstDay;
      EXPECT_EQ(firstDay, WeekdayOf(year, month, 1)) << year << " " << month;
    }
  }
}

TEST_F(CalendarPageTest, MonthPictureKeepsItsProportionsWithinTheSheet) {
  WriteJpeg(dir_ / "wide.jpg", 2000, 1000);
  WriteJpeg(dir_ / "photo.jpg", 1600, 1200);
  WriteJpeg(dir_ / "tall.JPG", 600, 1200);
  std::ofstream(dir_ / "picture.gif") << std::string("GIF89a\x40\x01\xF0\x00\x00\x00\x00", 13);
  EXPECT_EQ(MonthPicture(dir_ / "photo.jpg"), "<img width=933 height=700");
  EXPECT_EQ(MonthPicture(dir_ / "wide.jpg"), "<img width=950 height=475");
  EXPECT_EQ(MonthPicture(dir_ / "tall.JPG"), "<img width=350 height=700");
  EXPECT_EQ(MonthPicture(dir_ / "nothing.jpg"), "<img width=950 height=700");
  // Clip-art keeps its proportions too: 320 x 240.
  EXPECT_EQ(MonthPicture(dir_ / "picture.gif"), "<img width=933 height=700");
  EXPECT_EQ(MonthPicture(dir_ / "photo.jpg.gif"), "<img width=950 height=700");
  EXPECT_EQ(MonthPicture(""), "<img width=950 height=700");
  // A bare name is taken from the clip-art folder.
  db_.SetClipartDirectory(dir_.string() + "/");
  EXPECT_EQ(MonthPicture("photo.jpg"), "<img width=933 height=700");
}

TEST_F(CalendarPageTest, MonthPictureRowPieces) {
  db_.SetFontMainBody("Verdana");
  SetPageFont("Verdana");
  db_.SetBigPicture(3, "null", "Spring");
  std::string page;
  MonthPictureRow(page, db_, 3);
  EXPECT_EQ(page,
            "    <tr>\n"
            "        <td width=950 align=center valign=bottom style='width:700pt;padding:0in .1pt 0in .1pt'>\n"
            "            <p class=pagebreak><br><br>\n"
            "            <img width=950 height=700 src=\"null\" v:shapes=_x0000_i1025>\n"
            "            <span style='color:gray;font-size:24.0pt;font-family:\"Verdana\"'><br>\n" +
                MonthPictureCaption("Spring") +
                "            </SPAN>\n"
                "            </p>\n"
                "        </td>\n"
                "    </tr>\n");
}

TEST_F(CalendarPageTest, BuildWritesThePageFileAndStillReturnsTheTextWhenItCannot) {
  const std::string text = BuildCalendarPage(db_, 2, 3);
  std::ifstream in(PageFilePath(), std::ios::binary);
  std::stringstream written;
  written << in.rdbuf();
  EXPECT_EQ(written.str(), text);

  std::ofstream(dir_ / "blocker") << "a file where the folder should be";
  setenv("TESSOLAR_PAGE_DIR", (dir_ / "blocker" / "pages").c_str(), 1);
  EXPECT_TRUE(BuildCalendarPage(db_, 2, 3) == CalendarPageText(db_, 2, 3));
  EXPECT_FALSE(fs::exists(dir_ / "blocker" / "pages"));
}

TEST_F(CalendarPageTest, RangesOutsideTheYearAreClipped) {
  EXPECT_EQ(Occurrences(CalendarPageText(db_, -5, 2), "end big month"), 2u);
  EXPECT_EQ(Occurrences(CalendarPageText(db_, 11, 40), "end big month"), 1u);
  const std::string none = CalendarPageText(db_, 7, 3);
  EXPECT_EQ(Occurrences(none, "end big month"), 0u);
  EXPECT_EQ(none.substr(none.size() - PageCloseBlock().size() - 1), std::string(PageCloseBlock()) + "\n");
}

TEST_F(CalendarPageTest, HostileCalendarCannotAddMarkupOrScript) {
  const std::string attack = "\"'><script>alert(1)</script><img src=x onerror=alert(2)>";
  db_.SetFontMainBody(attack);
  db_.SetTitle(attack);
  db_.SetTitleFontStyle(attack);
  db_.SetTitleFontColor(attack);
  for (int slot = 0; slot < 12; ++slot) db_.SetBigPicture(slot, attack + ".jpg", attack);
  db_.SaveHolidayData(0, 5, 2000, kBirthday, attack, attack, 0, 1);
  db_.SaveHolidayData(0, 6, 2000, kAnniversary, attack, "javascript:alert(3)", 0, 1);
  db_.SaveHolidayData(0, 6, 2001, kPersonalEvent, attack, attack, 0, 1);
  db_.SortAndCompact();
  const std::string page = CalendarPageText(db_, 0, 12);
  EXPECT_EQ(page.find("<script>alert"), std::string::npos);
  EXPECT_EQ(page.find("<img src=x"), std::string::npos);
  EXPECT_EQ(page.find("javascript:"), std::string::npos);
  EXPECT_EQ(Occurrences(page, "<script>"), Occurrences(std::string(PageOpenBlock()), "<script>"));
}

}  // namespace
}  // namespace tessolar
