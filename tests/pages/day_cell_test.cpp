#include "pages/day_cell.h"

#include <gtest/gtest.h>

#include <string>

#include "compute/language_table.h"
#include "pages/page_conventions.h"

namespace tessolar {
namespace {

// 320 x 240: fitted 126 x 95 in the one-entry box, 75 x 56 in the two-entry
// box and 53 x 40 in a quadrant.
const std::string kPicture = std::string(TESSOLAR_TEST_DATA) + "/pictures/baseline_320x240.jpg";
const std::string kPictureUrl = "file://" + kPicture;

const char kTableHead[] =
    "style='width:95pt;border-collapse:collapse;mso-yfti-tbllook:135;\n"
    "mso-padding-alt:0in .1pt 0in .1pt'>\n";

const char kDayNumberOf0205[] =
    "    <tr style='mso-yfti-irow:0'>\n"
    "        <td width=8 nowrap valign=top style='width:.1in;padding:0in .1pt 0in .1pt'>\n"
    "            <p class=MsoNormal>\n"
    "            <span style='color:gray;font-family:\"Verdana\"' onDblClick=onBtnOk(\"caldate0205\"); >\n"
    "            5\n"
    "            </span>\n"
    "            </p>\n"
    "        </td>\n";

class DayCellTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SetLanguageIndex(0);
    SetPageFont("Verdana");
    db_.SetYear(2007);
    db_.SetClipartDirectory("/clip/");
    // Three entries on earlier days, so the entries of March 5 sit in slots 3 and up.
    for (int day = 1; day <= 3; ++day) Add(2, day, 1990, kPersonalEvent, "Filler", "null");
    ASSERT_EQ(kPicture.find_first_of(" #%?\"'"), std::string::npos);
  }

  void Add(int month, int day, int year, uint32_t type, const std::string& description,
           const std::string& picture, int showAge = 0) {
    db_.SaveHolidayData(month, day, year, type, description, picture, 0, showAge);
    db_.SortAndCompact();
  }

  std::string Cell(uint32_t count) {
    std::string page;
    DayCell(page, db_, 2, 5, count);
    return page;
  }

  CCalDatabase db_;
};

TEST_F(DayCellTest, OneEntryCaptionOverOneLargePicture) {
  Add(2, 5, 1950, kBirthday, "Ann", kPicture, 1);
  const std::string expected =
      std::string("<table class=MsoTableGrid border=0 cellspacing=0 cellpadding=0 width=125\n") +
      kTableHead + kDayNumberOf0205 +
      "        <td colspan=2 width=125 nowrap align=center valign=top style='width:99pt;padding:0in .1pt 0in .1pt'>\n"
      "            <p class=MsoNormal>\n"
      "            <span style='color:gray;font-family:\"Verdana\"' onDblClick=onBtnOk(\"calidx0003\") >\n"
      "            Ann turns 57\n"
      "            </span>\n"
      "            </p>\n"
      "        </td>\n"
      "    </tr>\n"
      "    <tr style='mso-yfti-irow:1;mso-yfti-lastrow:yes'>\n"
      "        <td colspan=3 width=150 align=center valign=top style='width:125pt;padding:0in .1pt 0in .1pt'>\n"
      "            <p class=MsoNormal>\n"
      "            <img width=126 height=95 src=\"" + kPictureUrl +
      "\" v:shapes=_x0000_i1025 onDblClick=onBtnOk(\"calidx0003\") >\n"
      "            </p>\n"
      "        </td>\n"
      "    </tr>\n"
      "</table><!-- table 2 picture 1 -->\n";
  EXPECT_EQ(Cell(1), expected);
}

TEST_F(DayCellTest, OneEntryCaptionSizeFollowsLengthThenWidth) {
  const struct {
    const char* description;
    const char* span;
  } cases[] = {
      {"AAAAAAAAAAAAAAAA", "font-family:\"Verdana\"' "},                  // 16 characters
      {"ÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄÄ", "font-family:\"Verdana\"' "},                  // 16 characters, 32 bytes
      {"AAAAAAAAAAAAAAAAA", "font-family:\"Verdana\";font-size:7.0pt' "},  // 17, width 51
      {"t t t t t t t t t", "font-family:\"Verdana\";font-size:9.0pt' "},  // 17, width 34
      {"AAAAAAAAAAAAAAAt,", "font-family:\"Verdana\";font-size:9.0pt' "},  // 17, width 48
      {"AAAAAAAAAAAAAAAA,", "font-family:\"Verdana\";font-size:7.0pt' "},  // 17, width 49
  };
  int day = 10;
  for (const auto& c : cases) {
    Add(2, day, 2000, kPersonalEvent, c.description, "null");
    std::string page;
    DayCell(page, db_, 2, day, 1);
    EXPECT_NE(page.find(std::string("<span style='color:gray;") + c.span), std::string::npos)
        << c.description << "\n" << page;
    ++day;
  }
}

TEST_F(DayCellTest, OneEntryWithoutPictureShowsAnInvisibleDefaultBoxWithItsToken) {
  Add(2, 5, 2000, kNationalHoliday, "Holiday", "null");
  EXPECT_NE(Cell(1).find("            <img width=133 height=95 src=\"null\" v:shapes=_x0000_i1025 "
                         "onDblClick=onBtnOk(\"calidx0003\") >\n"),
            std::string::npos);
}

TEST_F(DayCellTest, TwoEntriesSideBySide) {
  Add(2, 5, 1990, kPersonalEvent, "Dentist", kPicture);
  Add(2, 5, 2007, kReminder, "Meeting with the board", "null");  // width > 24
  const std::string expected =
      std::string("<table cols=2 class=MsoTableGrid border=0 cellspacing=0 cellpadding=0 width=125\n") +
      kTableHead + kDayNumberOf0205 +
      "    <td></td>\n"
      "    </tr>\n"
      "    <tr style='mso-yfti-irow:1;mso-yfti-lastrow:yes'>\n"
      "        <td width=80 valign=top style='width:75pt;padding:0in .1pt 0in .1pt'>\n"
      "        <span style='color:gray;font-size:10;font-family:\"Verdana\"' onDblClick=onBtnOk(\"calidx0003\") >Dentist</span>\n"
      "        </td>\n"
      "        <td width=80 valign=top style='width:75pt;padding:0in .1pt 0in .1pt'>\n"
      "        <span style='color:gray;font-size:8;font-family:\"Verdana\"' onDblClick=onBtnOk(\"calidx0004\") >Meeting with the board</span>\n"
      "        </td>\n"
      "    </tr>\n"
      "    <tr style='mso-yfti-irow:1;mso-yfti-lastrow:yes'>\n"
      "        <td nowrap width=80 valign=top >\n"
      "            <img width=75 height=56 src=\"" + kPictureUrl +
      "\" v:shapes=_x0000_i1025 onDblClick=onBtnOk(\"calidx0003\") >\n"
      "        </td>\n"
      "        <td nowrap width=80 valign=top >\n"
      "        </td>\n"
      "    </tr>\n"
      "</table><!-- table 3 picture 2 -->\n";
  EXPECT_EQ(Cell(2), expected);
}

TEST_F(DayCellTest, TwoEntriesGiveSoberAnniversariesWithoutPictureTheShippedOne) {
  Add(2, 5, 1990, kSoberAnniversary, "Bob", "null");
  Add(2, 5, 1995, kAnniversary, "Cy", "null");
  const std::string cell = Cell(2);
  EXPECT_NE(cell.find("        <td nowrap width=80 valign=top >\n"
                      "            <img width=80 height=75 src=\"file:///clip/al_anon.jpg\" "
                      "v:shapes=_x0000_i1025 onDblClick=onBtnOk(\"calidx0003\") >\n"
                      "        </td>\n"
                      "        <td nowrap width=80 valign=top >\n"
                      "        </td>\n"),
            std::string::npos)
      << cell;
}

std::string Quadrant(const std::string& caption, int size, const std::string& slot) {
  return "        <td width=80 valign=top style='width:50pt;padding:0in .1pt 0in .1pt;color:gray;font-size:" +
         std::to_string(size) + ";font-family:\"Verdana\" ' onDblClick=onBtnOk(\"calidx" + slot +
         "\") >" + caption + "\n        </td>\n";
}

const char kRow[] = "    <tr style='mso-yfti-irow:1;mso-yfti-lastrow:yes'>\n";
const char kRowEnd[] = "    </tr>\n";
const char kNowrapQuadrant[] =
    "        <td nowrap width=80 valign=top style='width:50pt;padding:0in .1pt 0in .1pt'>\n";
const char kQuadrantEnd[] = "        </td>\n";

TEST_F(DayCellTest, ThreeEntriesPutTheLargeDayNumberInTheFourthQuadrant) {
  Add(2, 5, 1980, kPersonalEvent, "First", kPicture);
  Add(2, 5, 1985, kPersonalEvent, "Second of the three entries", "null");  // width > 24
  Add(2, 5, 1990, kPersonalEvent, "Third", "null");
  const std::string image = "            <img width=53 height=40 src=\"" + kPictureUrl +
                            "\" v:shapes=_x0000_i1025 onDblClick=onBtnOk(\"calidx0003\") >\n";
  const std::string expected =
      std::string("<table cols=2 class=MsoTableGrid border=0 cellspacing=0 cellpadding=0 width=125\n") +
      kTableHead +
      kRow + Quadrant("First", 9, "0003") + Quadrant("Second of the three entries", 7, "0004") + kRowEnd +
      kRow + kNowrapQuadrant + image + kQuadrantEnd + kNowrapQuadrant + kQuadrantEnd + kRowEnd +
      kRow + Quadrant("Third", 9, "0005") + Quadrant("&nbsp;", 9, "0000") + kRowEnd +
      kRow +
      "        <td width=80 valign=top style='width:50pt;padding:0in .1pt 0in .1pt'>\n"
      "            <img width=56 height=40 src=\"null\" v:shapes=_x0000_i1025 onDblClick=onBtnOk(\"calidx0005\") >\n" +
      kQuadrantEnd + kNowrapQuadrant +
      "            <DIV valign=TOP align=center ><span style='color:gray;font-size:28;font-family:\"Verdana\"' "
      "onDblClick=onBtnOk(\"caldate0205\"); >5</span></div>\n" +
      kQuadrantEnd + kRowEnd +
      "</table><!-- table 4 picture 4 -->\n";
  EXPECT_EQ(Cell(3), expected);
}

TEST_F(DayCellTest, FourAndFiveEntriesShowTheFirstFourAndNoDayNumber) {
  for (int year = 1980; year < 1985; ++year) {
    Add(2, 5, year, kPersonalEvent, "Entry " + std::to_string(year), "null");
  }
  const std::string five = Cell(5);
  for (int year = 1980; year < 1984; ++year) {
    EXPECT_NE(five.find(">Entry " + std::to_string(year) + "\n"), std::string::npos) << year;
  }
  EXPECT_EQ(five.find("Entry 1984"), std::string::npos);
  EXPECT_EQ(five.find("caldate"), std::string::npos);
  EXPECT_EQ(five.find("&nbsp;"), std::string::npos);
}

}  // namespace
}  // namespace tessolar
