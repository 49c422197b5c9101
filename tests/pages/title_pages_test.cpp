// The title page and the big-pictures page as a reader sees them: the texts,
// the pictures fitted into their boxes, and the tokens a click sends.

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
    db_.SetTitle("Family <3");
    db_.SetTitleFontStyle("Georgia");
    db_.SetTitleFontColor("navy");
    db_.SetTitleFontSize(48);
    db_.SetTitleXPos(120);
    db_.SetTitleYPos(80);
    db_.SetBigPicture(0, kPictures + "grey_1600x1200.png", "January");
    db_.SetBigPicture(5, kPictures + "screen_320x240.gif", "June");
  }
  std::string Title() {
    std::string page;
    TitleTable(page, db_);
    return page;
  }
  CCalDatabase db_;
};

TEST_F(TitlePagesTest, TitleTextAtItsPlaceOverTheChosenPictureFittedIntoItsBox) {
  const std::string title = Title();
  EXPECT_NE(title.find("<img width=\"1000\" height=\"750\" src=\"file://" + kPictures +
                       "grey_1600x1200.png\" onDblClick=onBtnOk(\"caltitlepic00\"); >"),
            std::string::npos);
  EXPECT_NE(title.find("onDblClick=onBtnOk(\"caltitletext\"); style='position:absolute; left:120px; top:80px; "
                       "color:navy; font-size:48.0pt;font-family:\"Georgia\"; z-index:1 '>\nFamily &lt;3 2007\n"),
            std::string::npos);
  const std::string page = BuildTitlePage(db_);
  EXPECT_EQ(page.rfind(std::string(PageOpenBlock()) + "\n" + FolderLink() + "\n" + std::string(CommonHeadBlock()), 0), 0u);
  EXPECT_NE(page.find(title), std::string::npos);
  EXPECT_EQ(page.substr(page.size() - PageCloseBlock().size() - 1), std::string(PageCloseBlock()) + "\n");
  db_.SetTitlePictureIndex(5);
  EXPECT_NE(Title().find("screen_320x240.gif\" onDblClick=onBtnOk(\"caltitlepic05\")"), std::string::npos);
  db_.SetTitlePictureIndex(12);  // shows the first big picture
  EXPECT_NE(Title().find("grey_1600x1200.png\" onDblClick=onBtnOk(\"caltitlepic00\")"), std::string::npos);
  db_.SetTitle("");
  db_.SetBigPicture(0, "", "");
  // 133 x 95 fitted into 750 high: 1050 wide is more than 1025.
  EXPECT_NE(Title().find("<img width=\"1025\" height=\"732\" src=\"\""), std::string::npos);
  EXPECT_NE(Title().find("'>\n 2007\n"), std::string::npos);
}

TEST_F(TitlePagesTest, BigPicturesPageShowsTwelveClickablePicturesInRowsOfFourInTheMainFont) {
  db_.SetBigPicture(3, kPictures + "baseline_320x240.jpg", "April <b>");
  db_.SetFontMainBody("Gill Sans");
  SetPageFont("Other");
  const std::string page = BuildBigPicturesPage(db_, kBigPicturesPrintWidth, kBigPicturesPrintHeight);
  EXPECT_EQ(PageFont(), "Gill Sans");
  EXPECT_EQ(page.find("insert_font_here"), std::string::npos);
  EXPECT_NE(page.find("<font face=\"Gill Sans\" >"), std::string::npos);
  EXPECT_EQ(Occurrences(page, "<tr><td valign=top width=\"25%\" >"), 3u);
  size_t at = 0;
  for (int i = 0; i < 12; ++i) {
    const std::string token = std::string("onBtnOk(\"calbigpic") + (i < 10 ? "0" : "") + std::to_string(i) + "\")";
    ASSERT_NE(at = page.find(token, at), std::string::npos) << i;
    EXPECT_EQ(Occurrences(page, token), 2u) << i;
  }
  EXPECT_NE(page.find("April &lt;b&gt;"), std::string::npos);
  // Box 182 x 236: the default 133 x 95 is 236 x 168, 320 x 240 is 236 x 177 (242 > 236).
  EXPECT_NE(page.find("<img width=236 height=168 src=\"\""), std::string::npos);
  EXPECT_NE(page.find("<img width=236 height=177 src=\"file://" + kPictures + "baseline_320x240.jpg\""), std::string::npos);
  SetPageFont("Verdana");
}

}  // namespace
}  // namespace tessolar
