// Configuration, title, big-picture and unhide flows over scripted answers.

#include <gtest/gtest.h>

#include <tuple>

#include "app/flows/dialog_flows.h"
#include "app/scripted_prompts.h"
#include "compute/language_table.h"
#include "support/store_snapshot.h"

namespace tessolar {
namespace {

using support::Session;

void StartCalendar(Session& s, int year) {
  s.prompts.configs.push_back({[year](ConfigChoices& c) {
                                 c.year = year;
                                 c.national = true;
                                 c.christian = true;
                               },
                               true});
  ASSERT_TRUE(s.Click("calendarnew"));
}

TEST(ConfigurationFlow, ANewYearReplacesTheComputedDaysAndHiddenDaysStayHidden) {
  Session s;
  StartCalendar(s, 2006);
  CCalDatabase& db = s.doc.Db();
  db.SaveHolidayData(6, 4, 1950, kBirthday, "Ann", "null", 0, 1);
  db.SortAndCompact();
  ASSERT_EQ(
      support::EntriesNamed(db, kChristianHoliday, LanguageString(0, lang::kEasterSunday)).size(),
      1u);
  const uint32_t easter =
      support::EntriesNamed(db, kChristianHoliday, LanguageString(0, lang::kEasterSunday))[0].index;
  db.SetEntryHidden(easter, true);

  s.prompts.configs.push_back({[](ConfigChoices& c) { c.year = 2007; }, true});
  s.view.Configuration();
  const auto easters =
      support::EntriesNamed(db, kChristianHoliday, LanguageString(0, lang::kEasterSunday));
  ASSERT_EQ(easters.size(), 1u);
  EXPECT_EQ(easters[0].year, 2007);
  EXPECT_EQ(easters[0].day, 8);
  EXPECT_TRUE(easters[0].hidden);
  EXPECT_EQ(support::EntriesNamed(db, kBirthday, "Ann").size(), 1u);
  EXPECT_EQ(s.view.State().currentPageMode, PageMode::kOneMonth);

  // OK without changes changes nothing.
  const auto before = support::Snapshot(db);
  s.prompts.configs.push_back({nullptr, true});
  s.view.Configuration();
  EXPECT_EQ(support::Snapshot(db), before);
}

TEST(ConfigurationFlow, CancelLeavesYearAndLanguageButTheFlagsFontAndFolderTheUserChangedStay) {
  Session s;
  StartCalendar(s, 2027);
  CCalDatabase& db = s.doc.Db();
  const uint32_t count = db.Count();
  const int navigations = s.display.navigations;
  s.prompts.configs.push_back({[](ConfigChoices& c) {
                                 c.year = 2040;
                                 c.language = 2;
                                 c.hebrew = true;
                                 c.font = "DejaVu Serif";
                                 c.clipartDirectory = "/pictures/";
                               },
                               false});
  s.view.Configuration();
  EXPECT_EQ(db.Year(), 2027);
  EXPECT_EQ(db.Language(), 0);
  EXPECT_EQ(db.Count(), count);
  EXPECT_TRUE(db.Hebrew());
  EXPECT_EQ(db.FontMainBody(), "DejaVu Serif");
  EXPECT_EQ(db.ClipartDirectory(), "/pictures/");
  EXPECT_EQ(s.doc.DialogYear(), 2040);
  EXPECT_EQ(s.display.navigations, navigations);
  // The next OK builds the family switched on before the Cancel.
  s.prompts.configs.push_back({[](ConfigChoices& c) { c.year = 0; }, true});
  s.view.Configuration();
  EXPECT_EQ(db.Year(), 2027);  // a year no file can hold is not taken
  EXPECT_GT(db.Count(), count);
}

TEST(ConfigurationFlow, AnotherLanguageRenamesTheComputedDays) {
  Session s;
  StartCalendar(s, 2027);
  s.prompts.configs.push_back({[](ConfigChoices& c) { c.language = 1; }, true});
  s.view.Configuration();
  const CCalDatabase& db = s.doc.Db();
  EXPECT_EQ(db.Language(), 1);
  EXPECT_TRUE(
      support::EntriesNamed(db, kChristianHoliday, LanguageString(0, lang::kEasterSunday)).empty());
  EXPECT_EQ(
      support::EntriesNamed(db, kChristianHoliday, LanguageString(1, lang::kEasterSunday)).size(),
      1u);
}

// Another region takes away the days off of the one before and brings its own.
TEST(ConfigurationFlow, AnotherRegionReplacesTheRegionalDays) {
  Session s;
  StartCalendar(s, 2027);
  CCalDatabase& db = s.doc.Db();
  auto held = [&db](const char* name) {
    return support::EntriesNamed(db, kNationalHoliday, name).size();
  };
  for (const auto& [region, repentance, womensDay] :
       {std::make_tuple("DE-BE", 0u, 1u), std::make_tuple("DE-SN", 1u, 0u)}) {
    s.prompts.configs.push_back({[region = std::string(region)](ConfigChoices& c) {
                                   c.country = 6;
                                   c.region = region;
                                 },
                                 true});
    s.view.Configuration();
    EXPECT_EQ(db.Region(), region);
    EXPECT_EQ(held("Buß- und Bettag"), repentance) << region;
    EXPECT_EQ(held("Internationaler Frauentag"), womensDay) << region;
  }
}

// The dialog opens on the stored values, up to the store's limits, so that OK
// without a change changes nothing; OK stores what was typed within them.
// A school year: the pages run from September 2027 to August 2028, days of
// the second year (Easter, a double-click's new entry) are dated in 2028, and
// another first month takes the days of the old span out first.
TEST(ConfigurationFlow, AStartMonthRunsThePagesAndDatesFromItToTheMonthBefore) {
  Session s;
  s.prompts.configs.push_back({[](ConfigChoices& c) {
                                 c.year = 2027;
                                 c.startMonth = 8;
                                 c.christian = true;
                               },
                               true});
  ASSERT_TRUE(s.Click("calendarnew"));
  CCalDatabase& db = s.doc.Db();
  EXPECT_EQ(s.view.State().currentMonth, 8);
  s.view.MonthPrevious();
  EXPECT_EQ(s.view.State().currentMonth, 8);
  for (int step = 0; step < 20; ++step) s.view.MonthNext();
  EXPECT_EQ(s.view.State().currentMonth, 7);
  s.view.BeforeNavigate(s.PageUrlWith());
  EXPECT_NE(s.PageText().find(">August 2028</td>"), std::string::npos);
  s.Click("calshow0129");
  EXPECT_EQ(s.display.selected, "2028-02-29");

  const std::string easter = LanguageString(0, lang::kEasterSunday);
  const auto easterDay = [&] {
    const auto found = support::EntriesNamed(db, kChristianHoliday, easter);
    return found.size() == 1
               ? std::make_tuple(int{found[0].year}, int{found[0].month}, int{found[0].day})
               : std::make_tuple(0, 0, 0);
  };
  EXPECT_EQ(easterDay(), std::make_tuple(2028, 3, 16));
  s.prompts.events.push_back({[](CalEntry& e) {
                                e.description = "Trip";
                                e.type = kPersonalEvent;
                              },
                              EventAnswer::kOk});
  s.view.ShowMonth(2);
  s.view.BeforeNavigate(s.PageUrlWith());
  ASSERT_TRUE(s.Click("caldate0205"));
  EXPECT_EQ(support::EntriesNamed(db, kPersonalEvent, "Trip").at(0).year, 2028);

  s.prompts.configs.push_back({[](ConfigChoices& c) { c.startMonth = 3; }, true});
  s.view.Configuration();
  EXPECT_EQ(db.StartMonth(), 3);
  EXPECT_EQ(easterDay(), std::make_tuple(0, 0, 0));  // 28 March 2027 and 16 April 2028
  s.prompts.configs.push_back({[](ConfigChoices& c) { c.year = 2026; }, true});
  s.view.Configuration();
  EXPECT_EQ(support::EntriesNamed(db, kChristianHoliday, easter).size(), 2u);  // 2026 and 2027
}

TEST(TitleFlow, TheDialogOpensOnTheStoredValuesAndOkStoresTheFields) {
  Session s;
  CCalDatabase& db = s.doc.Db();
  db.SetTitleXPos(kMaxTitleX);
  db.SetTitleYPos(kMaxTitleY);
  db.SetTitleWidth(kMaxTitleWidth);
  db.SetTitleFontSize(kMaxTitleFontSize);
  db.SetBigPicture(3, "april.jpg", "Spring");
  s.prompts.titles.push_back({[](TitleFields& f) {
                                f.title = "The Millers";
                                f.fontColor = "#ff0000";
                                f.x = 2000;  // refused by the calendar
                              },
                              true});
  EXPECT_TRUE(s.Click("caltitlepic05"));
  const TitleFields& shown = s.prompts.lastTitle;
  EXPECT_EQ(std::make_tuple(shown.x, shown.y, shown.width, shown.fontSize),
            std::make_tuple(kMaxTitleX, kMaxTitleY, kMaxTitleWidth, 256));
  EXPECT_EQ(English(shown.pictureNames[0]), "January");
  EXPECT_EQ(English(shown.pictureNames[3]), "Spring");
  EXPECT_EQ(db.Title(), "The Millers");
  EXPECT_EQ(db.TitleFontColor(), "#ff0000");
  EXPECT_EQ(std::make_tuple(db.TitleXPos(), db.TitleYPos(), db.TitleWidth()),
            std::make_tuple(kMaxTitleX, kMaxTitleY, kMaxTitleWidth));
  EXPECT_EQ(s.view.State().currentPageMode, PageMode::kTitlePage);
  EXPECT_NE(s.PageText().find("The Millers"), std::string::npos);

  s.prompts.titles.push_back({[](TitleFields& f) { f.title = "Gone"; }, false});
  EXPECT_FALSE(s.Click("caltitletext"));
  EXPECT_EQ(db.Title(), "The Millers");
}

TEST(BigPictureFlow, SlotsEmptyFieldsAndCancel) {
  Session s;
  CCalDatabase& db = s.doc.Db();
  s.prompts.bigPictures.push_back({{"", "", ""}, true});
  EXPECT_TRUE(s.Click("calbigpic02"));
  EXPECT_EQ(s.prompts.lastBigPicture.description, "none");
  EXPECT_EQ(db.BigPictureAt(2), (BigPicture{"none", "none"}));
  EXPECT_EQ(s.view.State().currentPageMode, PageMode::kBigPictures);

  s.prompts.bigPictures.push_back({{"Lake", "/p/lake.jpg", ""}, false});
  EXPECT_FALSE(s.Click("calbigpic02"));
  EXPECT_EQ(db.BigPictureAt(2).description, "none");
  EXPECT_TRUE(s.Click("calbigpic12"));  // no such slot: no dialog
  EXPECT_EQ(s.prompts.dialogs.size(), 2u);

  const std::string dropped = "/p/dropped.png";
  s.prompts.bigPictures.push_back({{"Sea", dropped, ""}, true});
  EXPECT_TRUE(RunBigPictureFlow(db, s.prompts, 11, &dropped));
  EXPECT_EQ(s.prompts.lastBigPicture.fileName, dropped);
  EXPECT_EQ(db.BigPictureAt(11), (BigPicture{dropped, "Sea"}));
}

TEST(UnhideFlow, ShowsTheEntryAgainOrSaysItIsNotThere) {
  Session s;
  CCalDatabase& db = s.doc.Db();
  db.SaveHolidayData(1, 14, 2007, kReminder, "Valentine", "null", 1, 0);
  db.SortAndCompact();
  EXPECT_TRUE(s.Click("calunhide0000"));
  EXPECT_FALSE(db.EntryAt(0)->hidden);
  EXPECT_EQ(s.view.State().currentPageMode, PageMode::kHiddenEvents);
  EXPECT_TRUE(s.Click("calunhide0001"));
  EXPECT_EQ(s.prompts.messages, std::vector<std::string>{"did not find index in database"});
}

}  // namespace
}  // namespace tessolar
