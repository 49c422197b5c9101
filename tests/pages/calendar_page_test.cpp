#include "pages/calendar_page.h"

#include <gtest/gtest.h>
#include <unistd.h>

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

TEST_F(CalendarPageTest, OneMonthPageIsHeadGridAndCloseInTheCalendarFont) {
  db_.SetFontMainBody("Georgia");
  const std::string page = CalendarPageText(db_, 4, 5);
  EXPECT_EQ(PageFont(), "Georgia");
  EXPECT_EQ(page.find("insert_font_here"), std::string::npos);
  EXPECT_GT(Occurrences(page, "\"Georgia\""), 3u);
  EXPECT_EQ(page.rfind(std::string(PageOpenBlock()) + "\n", 0), 0u);
  EXPECT_EQ(Occurrences(page, "end big month"), 1u);
  EXPECT_NE(page.find("end big month May"), std::string::npos);
  for (const char* absent : {"<p class=pagebreak", "table 8 main table", "bigpics", "caltitle", "calbigpic"}) {
    EXPECT_EQ(page.find(absent), std::string::npos) << absent;
  }
  EXPECT_EQ(page.substr(page.size() - PageCloseBlock().size() - 1), std::string(PageCloseBlock()) + "\n");
  // Ranges outside the year are clipped.
  EXPECT_EQ(Occurrences(CalendarPageText(db_, -5, 2), "end big month"), 2u);
  EXPECT_EQ(Occurrences(CalendarPageText(db_, 11, 40), "end big month"), 1u);
  EXPECT_EQ(Occurrences(CalendarPageText(db_, 7, 3), "end big month"), 0u);
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
  for (const char* injected : {"<script>alert", "<img src=x", "javascript:"})
    EXPECT_EQ(page.find(injected), std::string::npos) << injected;
  EXPECT_EQ(Occurrences(page, "<script>"), Occurrences(std::string(PageOpenBlock()), "<script>"));
}

}  // namespace
}  // namespace tessolar
