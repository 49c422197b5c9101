#include "pages/title_pages.h"

#include <gtest/gtest.h>

#include <string>

#include "pages/grid_parse_support.h"
#include "pages/page_blocks.h"
#include "pages/page_conventions.h"

namespace tessolar {
namespace {

const std::string kPictures = std::string(TESSOLAR_TEST_DATA) + "/pictures/";

using testing::Occurrences;

class TitlePagesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    db_.SetYear(2007);
    db_.SetTitle("Family");
    db_.SetTitleFontStyle("Georgia");
    db_.SetTitleFontColor("navy");
    db_.SetTitleFontSize(48);
    db_.SetTitleXPos(120);
    db_.SetTitleYPos(80);
    db_.SetBigPicture(0, kPictures + "grey_1600x1200.png", "January");
  }
  CCalDatabase db_;
};

TEST_F(TitlePagesTest, TitleTablePiecesWithThePictureFittedIntoItsBox) {
  std::string page;
  TitleTable(page, db_);
  const std::string expected =
      "<table cols=1 class=MsoTableGrid border=0 cellspacing=0 cellpadding=0 width=750\n"
      "style='width:750pt;border-collapse:collapse;mso-yfti-tbllook:750;\n"
      "mso-padding-alt:0in .1pt 0in .1pt'>\n"
      "<tr style='mso-yfti-irow:0;mso-yfti-lastrow:yes;height:750 '>"
      "        <td width=750 align=center valign=middle style='width:750pt;padding:0in .0pt 0in .0pt'>\n"
      "<span align=center style='color:navy;font-size:48.0pt;font-family:\"Georgia\"'>\n"
      "<img width=\"1000\" height=\"750\" src=\"file://" + kPictures +
      "grey_1600x1200.png\" onDblClick=onBtnOk(\"caltitlepic00\"); >\n"
      "<span onDblClick=onBtnOk(\"caltitletext\"); style='position:absolute; left:120px; top:80px; "
      "color:navy; font-size:48.0pt;font-family:\"Georgia\"; z-index:1 '>\n"
      "Family 2007\n"
      "            </span><!-- span for text -->\n"
      "            </span><!-- span for picture -->\n"
      "        </td>\n"
      "</tr>\n";
  EXPECT_EQ(page, expected);
}

TEST_F(TitlePagesTest, PictureIndexEmptyTitleAndMissingPicture) {
  db_.SetBigPicture(5, kPictures + "screen_320x240.gif", "June");
  db_.SetTitlePictureIndex(5);
  std::string page;
  TitleTable(page, db_);
  EXPECT_NE(page.find("screen_320x240.gif\" onDblClick=onBtnOk(\"caltitlepic05\")"), std::string::npos);
  // Index 12 shows the first big picture.
  db_.SetTitlePictureIndex(12);
  page.clear();
  TitleTable(page, db_);
  EXPECT_NE(page.find("grey_1600x1200.png\" onDblClick=onBtnOk(\"caltitlepic00\"); >"), std::string::npos);
  db_.SetTitle("");
  db_.SetBigPicture(0, "", "");
  page.clear();
  TitleTable(page, db_);
  EXPECT_NE(page.find("'>\n 2007\n            </span>"), std::string::npos);
  // 133 x 95 fitted into 750 high: 1050 wide is more than 1025.
  EXPECT_NE(page.find("<img width=\"1025\" height=\"732\" src=\"\""), std::string::npos);
}

TEST_F(TitlePagesTest, TitlePageWrapsTheTitleTableInTheCommonBlocks) {
  const std::string page = BuildTitlePage(db_);
  std::string table;
  TitleTable(table, db_);
  const std::string expected = std::string(PageOpenBlock()) + "\n" + FolderLink() + "\n" +
                               std::string(CommonHeadBlock()) +
                               "<body link=blue vlink=purple onload=\"onLoad();\" leftmargin=0 "
                               "topmargin=0 rightmargin=0 bottommargin=0 \n"
                               "style=\"background-color: buttonface\" >\n"
                               "<div class=Section1>\n"
                               "<span style='color:black;font-family:\"Verdana\";font-size:16.0pt' >" +
                               table + "</span>" + std::string(PageCloseBlock()) + "\n";
  EXPECT_EQ(page, expected);
}

TEST_F(TitlePagesTest, BigPicturesTableHasTwelveCellsInRowsOfFour) {
  db_.SetBigPicture(3, kPictures + "baseline_320x240.jpg", "April");
  const std::string table = BigPicturesTable(db_, kBigPicturesPrintWidth, kBigPicturesPrintHeight);
  EXPECT_EQ(table.rfind("<table width=\"100%\" cols=4 valign=top border=1 >", 0), 0u);
  EXPECT_EQ(Occurrences(table, "<tr><td align=center ><span onDblClick=onBtnOk(\"calbigpic"), 12u);
  EXPECT_EQ(Occurrences(table, "</table><!-- table 6 addbigpics row of 4 -->"), 12u);
  EXPECT_EQ(Occurrences(table, "\n"), 12u);  // only the image lines end in a line feed
  for (int i = 0; i < 12; ++i) {
    const std::string token = std::string("onBtnOk(\"calbigpic") + (i < 10 ? "0" : "") + std::to_string(i) + "\")";
    EXPECT_EQ(Occurrences(table, token), 2u) << i;
  }
  // Box 182 x 236: the default 133 x 95 is 236 x 168, 320 x 240 is 236 x 177 (242 > 236).
  EXPECT_NE(table.find("<span onDblClick=onBtnOk(\"calbigpic01\") ></span></td></tr><tr><td>"
                       "<img width=236 height=168 src=\"\" v:shapes=_x0000_i1025 "
                       "onDblClick=onBtnOk(\"calbigpic01\") >\n</td></tr>"),
            std::string::npos);
  EXPECT_NE(table.find("<img width=236 height=177 src=\"file://" + kPictures + "baseline_320x240.jpg\""),
            std::string::npos);
  // Rows: opened before slots 0, 4, 8.
  EXPECT_EQ(Occurrences(table, "<tr><td valign=top width=\"25%\" >"), 3u);
  const std::string end = "</td></tr></table><!-- table 7 bigpics page -->";
  EXPECT_EQ(table.substr(table.size() - end.size()), end);
}

TEST_F(TitlePagesTest, BigPicturesPageUsesTheMainFontEverywhere) {
  db_.SetFontMainBody("Gill Sans");
  SetPageFont("Other");
  const std::string page = BuildBigPicturesPage(db_, 800, 600);
  EXPECT_EQ(PageFont(), "Gill Sans");
  EXPECT_EQ(page.find("insert_font_here"), std::string::npos);
  EXPECT_NE(page.find("font-family: \"Gill Sans\""), std::string::npos);
  EXPECT_NE(page.find("<font face=\"Gill Sans\" >\n" + BigPicturesTable(db_, 800, 600) + "</font>\n" +
                      std::string(PageCloseBlock()) + "\n"),
            std::string::npos);
  EXPECT_EQ(page.rfind(std::string(PageOpenBlock()) + "\n" + FolderLink() + "\n" +
                           std::string(CommonHeadBlock()),
                       0),
            0u);
}

}  // namespace
}  // namespace tessolar
