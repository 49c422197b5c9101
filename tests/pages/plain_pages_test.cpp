#include "pages/plain_pages.h"

#include <gtest/gtest.h>

#include <string>

#include "caldata/captions.h"
#include "compute/language_table.h"
#include "caldata/data_paths.h"
#include "pages/grid_parse_support.h"
#include "pages/html_escape.h"
#include "pages/page_blocks.h"
#include "pages/page_conventions.h"

namespace tessolar {
namespace {

using testing::Occurrences;

std::string CommonStart() {
  return std::string(PageOpenBlock()) + "\n" + FolderLink() + "\n" + std::string(CommonHeadBlock());
}

std::string Close() { return std::string(PageCloseBlock()) + "\n"; }

bool EndsWith(const std::string& text, const std::string& tail) {
  return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

class PlainPagesTest : public ::testing::Test {
 protected:
  void SetUp() override { SetLanguageIndex(0); }
  void TearDown() override { SetLanguageIndex(0); }
  CCalDatabase db_;
};

TEST_F(PlainPagesTest, HiddenPageWithoutHiddenEntries) {
  EXPECT_EQ(BuildHiddenEntriesPage(db_),
            CommonStart() + "<span style='color:black;font-family:\"Verdana\"' ><h1>No entries are hidden</h1><br>"
                            "</span></body></html>");
}

TEST_F(PlainPagesTest, HiddenPageListsEachHiddenEntryWithItsUnhideToken) {
  db_.SetYear(2007);
  for (int i = 0; i < 7; ++i) db_.SaveHolidayData(0, i + 1, 2000, kPersonalEvent, "Event " + std::to_string(i), "null", 0, 0);
  db_.SaveHolidayData(2, 5, 1950, kBirthday, "Grandma", "null", 1, 1);
  db_.SaveHolidayData(5, 1, 1990, kAnniversary, "Tom <&> Ann", "null", 1, 1);
  db_.SortAndCompact();
  const std::string page = BuildHiddenEntriesPage(db_);
  const std::string caption = EntryCaption(db_, kBirthday, 1950, "Grandma", 1);
  EXPECT_NE(page.find("<span style='color:black;font-family:\"Verdana\"' >"
                      "<h1>Check one of the boxes to unhide the specific event</h1><br>"
                      "<input type=checkbox name=abc onClick=onBtnOk(\"calunhide0007\") >" +
                      EscapeHtml(caption) + " - March 5, 1950<br>"
                      "<input type=checkbox name=abc onClick=onBtnOk(\"calunhide0008\") >"),
            std::string::npos);
  EXPECT_NE(page.find("Tom &lt;&amp;&gt; Ann"), std::string::npos);
  EXPECT_NE(page.find(" - June 1, 1990<br></span></body></html>"), std::string::npos);
  EXPECT_TRUE(EndsWith(page, "</span></body></html>"));
}

TEST_F(PlainPagesTest, WelcomePageListsRecentFilesInOrderWithForwardSlashes) {
  const std::string page = BuildWelcomePage({"C:\\cal\\a.cal", "/home/u/b.cal", "c d.cal"});
  const size_t a = page.find(RecentFileLine("C:/cal/a.cal", LanguageString(42), LanguageString(45)));
  const size_t b = page.find(RecentFileLine("/home/u/b.cal", LanguageString(42), LanguageString(45)));
  const size_t c = page.find(RecentFileLine("c d.cal", LanguageString(42), LanguageString(45)));
  ASSERT_NE(a, std::string::npos);
  EXPECT_LT(a, b);
  EXPECT_LT(b, c);
  EXPECT_NE(c, std::string::npos);
  EXPECT_EQ(Occurrences(page, "calendarrecent_"), 3u);
  EXPECT_EQ(page.find("cal\\a.cal"), std::string::npos);
  EXPECT_TRUE(EndsWith(page, std::string(PanelMarkBlock()) + Close()));
  EXPECT_EQ(page.rfind(CommonStart(), 0), 0u);
}

TEST_F(PlainPagesTest, WelcomePanelTakesTheLanguageTextsWithLinkWords) {
  for (int language = 0; language < 3; ++language) {
    SetLanguageIndex(language);
    const std::string page = BuildWelcomePage({});
    SCOPED_TRACE(language);
    EXPECT_EQ(Occurrences(page, "calendarrecent_"), 0u);
    for (const char* marker : {"insert_welcome_title_here", "text_create_new", "title_create_new",
                               "text_open_existing", "title_open_existing", "insert_font_here"}) {
      EXPECT_EQ(page.find(marker), std::string::npos) << marker;
    }
    EXPECT_NE(page.find(EscapeHtml(LanguageString(39))), std::string::npos);
    EXPECT_NE(page.find(EscapeHtml(LanguageString(43))), std::string::npos);
    for (int word : {46, 47}) {
      EXPECT_NE(page.find("<font COLOR=\"#0000FF\" style=\"cursor:hand\" >" + EscapeHtml(LanguageString(word)) +
                          "</font>"),
                std::string::npos);
    }
    EXPECT_NE(page.find("\"Verdana\""), std::string::npos);
    for (const char* link : {"onBtnOk('calendarnew')", "onBtnOk('calendarbrowse')"}) {
      EXPECT_NE(page.find(link), std::string::npos) << link;
    }
  }
}

TEST_F(PlainPagesTest, HelpPageLinksTheHelpDocumentInTheDataFolder) {
  const std::string page = BuildHelpPage();
  EXPECT_EQ(page, CommonStart() + "<span style='color:black;font-family:\"Verdana\";font-size:16.0pt' >Click <a href=\"" +
                      FileUrl(DataDirectory()) +
                      "/Tessolar_help.pdf\" ><font COLOR=\"#0000FF\" style=\"cursor:hand\" >here</font></a> "
                      "to view the help file.</span>" + Close());
  EXPECT_EQ(HelpDocumentPath(), DataDirectory() + "/Tessolar_help.pdf");
  EXPECT_EQ(ShippedClipartDirectory(), DataDirectory() + "/clipart/");
}

TEST_F(PlainPagesTest, DatabasePageBreaksEveryLineAndEscapesTheText) {
  EXPECT_EQ(BuildDatabasePage("line one\nline <two>\n\nlast"),
            CommonStart() + "line one\n<br>line &lt;two&gt;\n<br>\n<br>last" + Close());
  EXPECT_EQ(BuildDatabasePage(""), CommonStart() + Close());
}

}  // namespace
}  // namespace tessolar
