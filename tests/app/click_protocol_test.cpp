// The click protocol: which navigations load, the tokens they carry, and the
// page written before each one.

#include <gtest/gtest.h>

#include <fstream>

#include "pages/click_tokens.h"
#include "app/scripted_prompts.h"
#include "pages/page_conventions.h"

namespace tessolar {
namespace {

TEST(ClickProtocol, OnlyThePageFileLoadsAndTokensComeFromItsQueryAlone) {
  support::Session s;
  EXPECT_TRUE(s.view.BeforeNavigate(s.PageUrlWith()).accept);
  for (const std::string& url :
       {std::string("https://example.org/"), std::string("data:text/html,<b>x</b>"),
        std::string("javascript:alert(1)"), std::string("file:///etc/passwd"),
        std::string("file:///tmp/dropped.png?calendarnew"), s.PageUrlWith() + ".other"}) {
    const NavigationCheck check = s.view.BeforeNavigate(url);
    EXPECT_FALSE(check.accept) << url;
    EXPECT_EQ(check.token.kind, TokenKind::kNone) << url;
  }
  const NavigationCheck token = s.view.BeforeNavigate(s.PageUrlWith("caldate0105"));
  EXPECT_FALSE(token.accept);
  EXPECT_EQ(token.token.kind, TokenKind::kCalDate);
}

TEST(ClickProtocol, APageFolderNamedLikeATokenActsOnNoToken) {
  support::Session s;
  const auto folder = s.folder / "calendarnew caldate0101";
  setenv("TESSOLAR_PAGE_DIR", folder.c_str(), 1);
  const NavigationCheck check = s.view.BeforeNavigate(PageUrl());
  EXPECT_TRUE(check.accept);
  EXPECT_EQ(check.token.kind, TokenKind::kNone);
}

TEST(ClickProtocol, ThePageIsWrittenBeforeEveryNavigationThatNeedsIt) {
  support::Session s;
  // Even a refused navigation writes the page the state asks for.
  s.view.BeforeNavigate("https://example.org/");
  EXPECT_NE(s.PageText().find("calendarnew"), std::string::npos);
  EXPECT_EQ(s.view.State().renderedPageMode, PageMode::kWelcome);
  s.view.ShowMonth(4);
  EXPECT_EQ(s.display.navigations, 1);
  s.view.BeforeNavigate(s.PageUrlWith());
  EXPECT_NE(s.PageText().find("caldate0401"), std::string::npos);
  s.view.ShowHelp();
  s.view.BeforeNavigate(s.PageUrlWith());
  EXPECT_NE(s.PageText().find("Tessolar_help.pdf"), std::string::npos);
}

TEST(ClickProtocol, APageThatCannotBeWrittenIsSaidAndNotShown) {
  support::Session s;
  const auto blocker = s.folder / "file";
  std::ofstream(blocker) << "x";
  setenv("TESSOLAR_PAGE_DIR", blocker.c_str(), 1);
  EXPECT_NE(English(s.view.BeforeNavigate(PageUrl()).message).find("could not be written"),
            std::string::npos);
  s.view.ShowBigPictures();
  s.view.ShowCalDatabase();
  EXPECT_EQ(s.display.navigations, 0);
  EXPECT_EQ(s.prompts.messages.size(), 2u);
  EXPECT_EQ(s.view.State().currentPageMode, PageMode::kWelcome);
}

TEST(PageCommands, MonthsStayWithinTheYear) {
  support::Session s;
  s.view.MonthPrevious();
  EXPECT_EQ(s.display.navigations, 0);
  s.view.ShowMonth(11);
  s.view.MonthNext();
  EXPECT_EQ(s.display.navigations, 1);
  EXPECT_EQ(s.view.State().currentMonth, 11);
  s.view.MonthPrevious();
  s.view.ShowAllMonths();
  s.view.ShowOneMonth();
  EXPECT_EQ(s.view.State().currentMonth, 10);
  EXPECT_EQ(s.view.State().currentPageMode, PageMode::kOneMonth);
  EXPECT_EQ(s.view.State().renderedPageMode, PageMode::kNone);
  s.view.ShowMonth(12);
  EXPECT_EQ(s.display.navigations, 4);
}

TEST(PageCommands, PagesWrittenBeforeTheyAreShown) {
  support::Session s;
  s.doc.Db().SaveHolidayData(2, 3, 2007, kReminder, "Hidden thing", "null", 1, 0);
  s.view.ShowHiddenEvents();
  EXPECT_NE(s.PageText().find("Hidden thing"), std::string::npos);
  s.view.ShowCalDatabase();
  EXPECT_NE(s.PageText().find("Hidden thing"), std::string::npos);
  s.view.ShowBigPictures();
  EXPECT_NE(s.PageText().find("calbigpic11"), std::string::npos);
  EXPECT_EQ(s.view.State().currentPageMode, PageMode::kBigPictures);
  // The hook writes nothing over them.
  s.view.BeforeNavigate(s.PageUrlWith());
  EXPECT_NE(s.PageText().find("calbigpic11"), std::string::npos);
  EXPECT_EQ(s.display.navigations, 3);
}

}  // namespace
}  // namespace tessolar
