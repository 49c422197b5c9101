// The title, big-pictures and plain pages as a reader sees them: the texts,
// the pictures fitted into their boxes, and the tokens a click sends. That no
// value adds markup is the hostile-value tests' part.

#include <gtest/gtest.h>

#include <string>

#include "compute/language_table.h"
#include "pages/markup_shape_support.h"
#include "pages/page_blocks.h"
#include "pages/page_conventions.h"
#include "pages/plain_pages.h"
#include "pages/title_pages.h"

namespace tessolar {
namespace {

const std::string kPictures = std::string(TESSOLAR_TEST_DATA) + "/pictures/";

bool Has(const std::string& page, const std::string& piece) {
  return page.find(piece) != std::string::npos;
}

TEST(TitlePages, TitleLineWhereTheDialogPutsItAndThePictureInTheLargerBandBesideIt) {
  CCalDatabase db;
  db.SetTitle("Family <3");
  db.SetTitleXPos(120);
  db.SetTitleYPos(40);
  db.SetTitleWidth(700);
  db.SetTitleFontSize(48);  // a line 76 pixels high
  db.SetBigPicture(0, kPictures + "grey_1600x1200.png", "January");
  db.SetBigPicture(3, kPictures + "baseline_320x240.jpg", "April <b>");
  const std::string title = BuildTitlePage(db);
  // Below the line (40 + 76 + 16) the band is 658 high: 877 x 658, centred in it.
  EXPECT_TRUE(Has(title, "<img width=\"877\" height=\"658\" style='top:132px' src=\"file://" +
                             kPictures +
                             "grey_1600x1200.png\" alt=\"January\" role=button tabindex=0 "
                             "onDblClick=onBtnOk(\"caltitlepic00\")"));
  EXPECT_TRUE(Has(title,
                  "onBtnOk(\"caltitletext\"); style='left:120px; top:40px; width:700px; "
                  "max-width:calc(100% - 120px);"));
  EXPECT_TRUE(Has(title, "'>Family &lt;3 2007</div>"));

  // A line low on the sheet leaves the larger band above it; a position
  // beyond the sheet keeps the line on it.
  db.SetTitleYPos(600);
  EXPECT_TRUE(Has(BuildTitlePage(db), "<img width=\"778\" height=\"584\" style='top:0px'"));
  db.SetTitleXPos(kMaxTitleX);
  db.SetTitleYPos(kMaxTitleY);
  db.SetTitleWidth(kMaxTitleWidth);
  std::string sheet;
  TitleSheet(sheet, db, SheetArea{718, 1047});
  EXPECT_TRUE(Has(sheet, "style='left:359px; top:925px; width:359px;"));
  EXPECT_TRUE(Has(sheet, "<img width=\"718\" height=\"538\" style='top:185px'"));

  db.SetTitlePictureIndex(12);  // shows the first big picture
  EXPECT_TRUE(
      Has(BuildTitlePage(db), "grey_1600x1200.png\" alt=\"January\" role=button"));
}

TEST(TitlePages, TwelveBigPicturesInRowsOfFour) {
  CCalDatabase db;
  db.SetBigPicture(0, kPictures + "grey_1600x1200.png", "January");
  db.SetBigPicture(3, kPictures + "baseline_320x240.jpg", "April <b>");
  const std::string big = BuildBigPicturesPage(db, kBigPicturesPrintWidth, kBigPicturesPrintHeight);
  EXPECT_EQ(testing::Occurrences(big, "<tr><td valign=top width=\"25%\" data-token=\"calbigpic"),
            3u);
  size_t at = 0;
  for (int i = 0; i < kBigPictureCount; ++i) {
    const std::string token =
        "onBtnOk(\"calbigpic" + std::string(i < 10 ? "0" : "") + std::to_string(i) + "\")";
    ASSERT_NE(at = big.find(token, at), std::string::npos) << i;
    EXPECT_EQ(testing::Occurrences(big, token), 2u) << i;
  }
  EXPECT_TRUE(Has(big, "April &lt;b&gt;"));
  // Box 182 x 236: the default 133 x 95 is 236 x 168, 320 x 240 is 236 x 177.
  EXPECT_TRUE(Has(big, "<img width=236 height=168 src=\"\""));
  EXPECT_TRUE(
      Has(big, "<img width=236 height=177 src=\"file://" + kPictures + "baseline_320x240.jpg\""));
}

TEST(PlainPages, RecentFilesInOrderWithForwardSlashesAndTheCalendarTextEscaped) {
  const std::string welcome = BuildWelcomePage(0, {"C:\\cal\\a.cal", "/home/u/b.cal", "c d.cal"});
  size_t at = 0;
  for (const char* file : {"C:/cal/a.cal", "/home/u/b.cal", "c d.cal"}) {
    at = welcome.find(RecentFileLine(file, LanguageString(0, lang::kRecentCalendarsText),
                                     LanguageString(0, lang::kRecentCalendarsTitle)),
                      at);
    EXPECT_NE(at, std::string::npos) << file;
  }
  EXPECT_TRUE(Has(BuildDatabasePage("a <b>\nc"), "a &lt;b&gt;\n<br>c"));
}

}  // namespace
}  // namespace tessolar
