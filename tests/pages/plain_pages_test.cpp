#include "pages/plain_pages.h"

#include <gtest/gtest.h>

#include <string>

#include "caldata/data_paths.h"
#include "compute/language_table.h"
#include "pages/grid_parse_support.h"
#include "pages/html_escape.h"
#include "pages/page_blocks.h"
#include "pages/page_conventions.h"

namespace tessolar {
namespace {

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
    for (int text : {39, 43}) EXPECT_NE(page.find(EscapeHtml(LanguageString(text))), std::string::npos);
    for (int word : {46, 47}) {
      EXPECT_NE(page.find("style=\"cursor:hand\" >" + EscapeHtml(LanguageString(word)) + "</font>"), std::string::npos);
    }
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
