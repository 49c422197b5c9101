// Day cells as a reader sees them: the captions in order, each clickable with
// its entry's slot, the pictures fitted to their box, and the day number.

#include "pages/day_cell.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <regex>
#include <string>
#include <vector>

#include "compute/language_table.h"
#include "pages/page_conventions.h"

namespace tessolar {
namespace {

// 320 x 240: fitted 126 x 95 in the one-entry box, 75 x 56 in the two-entry
// box and 53 x 40 in a quadrant.
const std::string kPicture = std::string(TESSOLAR_TEST_DATA) + "/pictures/baseline_320x240.jpg";

// Each match of `pattern` in `cell`, its groups joined by blanks.
std::vector<std::string> Matches(const std::string& cell, const std::regex& pattern) {
  std::vector<std::string> found;
  for (auto it = std::sregex_iterator(cell.begin(), cell.end(), pattern);
       it != std::sregex_iterator(); ++it) {
    std::string match = (*it)[1];
    for (size_t group = 2; group < it->size(); ++group) match += " " + (*it)[group].str();
    found.push_back(match);
  }
  return found;
}

// "slot caption" for each caption in page order.
std::vector<std::string> Captions(const std::string& cell) {
  static const std::regex caption("onBtnOk\\(\"calidx([0-9]{4})\"\\) >\\s*([^<\\s][^<\\n]*)");
  return Matches(cell, caption);
}

// "width height src slot" for each picture in page order.
std::vector<std::string> Pictures(const std::string& cell) {
  static const std::regex image(
      "<img width=([0-9]+) height=([0-9]+) (src=\"[^\"]*\") [^>]*calidx([0-9]{4})");
  return Matches(cell, image);
}

class DayCellTest : public ::testing::Test {
 protected:
  void SetUp() override {
    db_.SetClipartDirectory("/clip/");
    // Three entries on earlier days, so the entries of March 5 sit in slots 3 and up.
    for (int day = 1; day <= 3; ++day) Add(day, 1990, kPersonalEvent, "Filler", "null");
  }
  void Add(int day, int year, uint32_t type, const std::string& description,
           const std::string& picture, int showAge = 0) {
    db_.SaveHolidayData(2, day, year, type, description, picture, 0, showAge);
    db_.SortAndCompact();
  }
  std::string Cell(uint32_t count, int day = 5) {
    std::string page;
    DayCell(page, db_, 2, day, count);
    return page;
  }
  CCalDatabase db_;
};

TEST_F(DayCellTest, OneEntryCaptionOverOneLargePictureOrAnInvisibleDefaultBox) {
  Add(5, 1950, kBirthday, "Ann <b>", kPicture, 1);
  Add(6, 2000, kNationalHoliday, "Holiday", "null");
  const std::string cell = Cell(1);
  EXPECT_EQ(Captions(cell), std::vector<std::string>({"0003 Ann &lt;b&gt; turns 57"}));
  EXPECT_EQ(Pictures(cell),
            std::vector<std::string>({"126 95 src=\"file://" + kPicture + "\" 0003"}));
  EXPECT_NE(cell.find("onBtnOk(\"caldate0205\"); >\n            5\n"), std::string::npos);
  EXPECT_EQ(Pictures(Cell(1, 6)), std::vector<std::string>({"133 95 src=\"null\" 0004"}));
  // A picture whose name holds "null" is a picture: nullarbor.jpg once never showed;
  // a file named null, in any case and folder, is none.
  const std::string nullarbor = testing::TempDir() + "nullarbor.jpg";
  std::filesystem::copy_file(kPicture, nullarbor,
                             std::filesystem::copy_options::overwrite_existing);
  Add(7, 2000, kPersonalEvent, "Trip", nullarbor);
  Add(7, 2001, kPersonalEvent, "Hike", "null");
  Add(8, 2000, kPersonalEvent, "Trip", "/pics/NULL");
  EXPECT_NE(Cell(2, 7).find("nullarbor.jpg\""), std::string::npos);
  EXPECT_EQ(Pictures(Cell(1, 8)), std::vector<std::string>({"133 95 src=\"null\" 0007"}));
}

TEST_F(DayCellTest, TwoEntriesSideBySideAndSoberAnniversariesGetTheShippedPicture) {
  Add(5, 1990, kPersonalEvent, "Dentist", kPicture);
  Add(5, 2007, kReminder, "Meeting with the board", "null");
  const std::string cell = Cell(2);
  EXPECT_EQ(Captions(cell),
            std::vector<std::string>({"0003 Dentist", "0004 Meeting with the board"}));
  EXPECT_EQ(Pictures(cell),
            std::vector<std::string>({"75 56 src=\"file://" + kPicture + "\" 0003"}));
  EXPECT_NE(cell.find("font-size:8;font-family:\"Verdana\"' data-entry=4 "
                      "onDblClick=onBtnOk(\"calidx0004\")"),
            std::string::npos);
  EXPECT_NE(cell.find("onBtnOk(\"caldate0205\")"), std::string::npos);
  Add(6, 1990, kSoberAnniversary, "Bob", "null");
  Add(6, 1995, kAnniversary, "Cy", "null");
  EXPECT_EQ(Pictures(Cell(2, 6)),
            std::vector<std::string>({"80 75 src=\"file:///clip/al_anon.jpg\" 0005"}));
}

// From three entries on the quadrants show four, under the day number as the
// smaller cells have it, and a mark says how many more the day has.
TEST_F(DayCellTest, QuadrantsUnderTheDayNumberAndAMarkForTheEntriesBeyondFour) {
  Add(5, 1980, kPersonalEvent, "First", kPicture);
  Add(5, 1985, kPersonalEvent, "Second of the three entries", "null");
  Add(5, 1990, kPersonalEvent, "Third", "null");
  const std::string three = Cell(3);
  EXPECT_EQ(Captions(three), std::vector<std::string>(
                                 {"0003 First", "0004 Second of the three entries", "0005 Third"}));
  // The empty fourth quadrant acts on no entry: it once opened the
  // calendar's first entry (slot 0) for editing.
  EXPECT_EQ(three.find("calidx0000"), std::string::npos);
  EXPECT_NE(three.find("font-family:\"Verdana\" ' >&nbsp;"), std::string::npos);
  EXPECT_EQ(Pictures(three),
            std::vector<std::string>({"53 40 src=\"file://" + kPicture + "\" 0003"}));
  const std::string dayNumber = "onBtnOk(\"caldate0205\"); >\n            5\n";
  EXPECT_NE(three.find(dayNumber), std::string::npos);
  EXPECT_EQ(three.find("calmore"), std::string::npos);
  for (const char* name : {"Fourth", "Fifth", "Sixth", "Seventh"}) {
    Add(5, 1995, kPersonalEvent, name, "null");
  }
  const std::string seven = Cell(7);
  EXPECT_EQ(Captions(seven).size(), 4u);
  EXPECT_EQ(Captions(seven).back(), "0006 Fourth");
  EXPECT_NE(seven.find(dayNumber), std::string::npos);
  EXPECT_NE(seven.find("onBtnOk(\"calmore0205\") >+3</span>"), std::string::npos);
}

}  // namespace
}  // namespace tessolar
