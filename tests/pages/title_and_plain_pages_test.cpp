#include <gtest/gtest.h>

#include <string>

#include "caldata/data_paths.h"
#include "compute/language_table.h"
#include "pages/grid_parse_support.h"
#include "pages/html_escape.h"
#include "pages/page_blocks.h"
#include "pages/page_conventions.h"
#include "pages/plain_pages.h"
#include "pages/title_pages.h"

namespace tessolar {
namespace {

// The title page and the big-pictures page as a reader sees them: the texts,
// the pictures fitted into their boxes, and the tokens a click sends.

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

using testing::Occurrences;

// Every plain page starts with the common blocks and ends with the closing one.
void ExpectFramed(const std::string& page, const std::string& end = std::string(PageCloseBlock()) + "\n") {
  EXPECT_EQ(page.rfind(std::string(PageOpenBlock()) + "\n" + FolderLink() + "\n" + std::string(CommonHeadBlock()), 0), 0u);
  EXPECT_EQ(page.substr(page.size() - end.size()), end);
}

class PlainPagesTest : public ::testing::Test {
 protected:
  void TearDown() override { SetLanguageIndex(0); }
  CCalDatabase db_;
};

TEST_F(PlainPagesTest, HiddenPageListsEachHiddenEntryWithItsUnhideToken) {
  ExpectFramed(BuildHiddenEntriesPage(db_), "<h1>No entries are hidden</h1><br></span></body></html>");
  for (int i = 0; i < 7; ++i) db_.SaveHolidayData(0, i + 1, 2000, kPersonalEvent, "Event", "null", 0, 0);
  db_.SaveHolidayData(2, 5, 1950, kBirthday, "Grandma", "null", 1, 1);
  db_.SaveHolidayData(5, 1, 1990, kAnniversary, "Tom <&> Ann", "null", 1, 1);
  const std::string page = BuildHiddenEntriesPage(db_);
  ExpectFramed(page, "</span></body></html>");
  const size_t grandma = page.find("onBtnOk(\"calunhide0007\") >Grandma turns 57 - March 5, 1950<br>");
  const size_t tom = page.find("onBtnOk(\"calunhide0008\") >Tom &lt;&amp;&gt; Ann&#39;s 17th - June 1, 1990<br>");
  EXPECT_LT(grandma, tom);
  EXPECT_NE(tom, std::string::npos);
}

TEST_F(PlainPagesTest, WelcomePageListsRecentFilesInOrderInEachLanguage) {
  for (int language = 0; language < kLanguageCount; ++language) {
    SetLanguageIndex(language);
    const std::string page = BuildWelcomePage({"C:\\cal\\a.cal", "/home/u/b.cal", "c d.cal"});
    ExpectFramed(page, std::string(PanelMarkBlock()) + std::string(PageCloseBlock()) + "\n");
    size_t at = 0;
    for (const char* file : {"C:/cal/a.cal", "/home/u/b.cal", "c d.cal"}) {
      at = page.find(RecentFileLine(file, LanguageString(42), LanguageString(45)), at);
      EXPECT_NE(at, std::string::npos) << file;
    }
    EXPECT_EQ(Occurrences(page, "calendarrecent_"), 3u);
    for (const char* marker : {"insert_welcome_title_here", "text_create_new", "title_open_existing", "insert_font_here"})
      EXPECT_EQ(page.find(marker), std::string::npos) << marker;
    // The link words of the panel texts are the language's own.
    for (int word : {46, 47}) EXPECT_NE(page.find(">" + EscapeHtml(LanguageString(word)) + "</font>"), std::string::npos);
    for (const char* link : {"onBtnOk('calendarnew')", "onBtnOk('calendarbrowse')"}) {
      EXPECT_NE(page.find(link), std::string::npos) << link;
    }
  }
}

TEST_F(PlainPagesTest, HelpAndDatabasePages) {
  const std::string help = BuildHelpPage();
  ExpectFramed(help);
  EXPECT_NE(help.find("<a href=\"" + FileUrl(DataDirectory()) + "/Tessolar_help.pdf\" >"), std::string::npos);
  EXPECT_EQ(HelpDocumentPath(), DataDirectory() + "/Tessolar_help.pdf");
  const std::string database = BuildDatabasePage("line one\nline <two>\n\nlast");
  ExpectFramed(database);
  EXPECT_NE(database.find("line one\n<br>line &lt;two&gt;\n<br>\n<br>last"), std::string::npos);
}

}  // namespace
}  // namespace tessolar
