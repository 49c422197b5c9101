// New, open, recent and save flows over scripted answers.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <tuple>

#include "app/flows/window_placement.h"
#include "app/scripted_prompts.h"
#include "caldata/calendar_file.h"
#include "caldata/calendar_text.h"
#include "pages/page_conventions.h"

namespace tessolar {
namespace {

using support::Session;

void ConfigureYear(Session& s, int year, bool ok = true) {
  s.prompts.configs.push_back({[year](ConfigChoices& c) {
                                 c.year = year;
                                 c.national = true;
                                 c.christian = false;
                               },
                               ok});
}

// A saved calendar of 2027 with national days and one birthday.
std::string SavedCalendar(Session& s, const std::string& name) {
  CalendarDocument doc;
  doc.Db().SetYear(2027);
  doc.Db().SetNational(true);
  doc.Db().SaveHolidayData(4, 1, 1990, kBirthday, "Ann", "null", 0, 1);
  const std::string path = (s.folder / name).string();
  EXPECT_EQ(SaveCalendarFile(doc.Db(), path), 0);
  return path;
}

TEST(CalendarFlows, NewCalendarOkShowsJanuaryAndCancelLeavesAnEmptyOneOnTheWelcomePage) {
  Session s;
  int offered = 0;  // a new calendar is for the year after the clock's
  s.prompts.configs.push_back({[&offered](ConfigChoices& c) { offered = c.year; }, false});
  s.Click("calendarnew");
  EXPECT_EQ(offered, 2041);
  ConfigureYear(s, 2030);
  EXPECT_TRUE(s.Click("calendarnew"));
  EXPECT_EQ(s.view.State().currentPageMode, PageMode::kOneMonth);
  EXPECT_EQ(s.doc.Db().Year(), 2030);
  EXPECT_GT(s.doc.Db().Count(), 5u);  // the national days of 2030
  EXPECT_NE(s.PageText().find("caldate0001"), std::string::npos);
  EXPECT_NE(s.doc.Db().ClipartDirectory(), "");

  s.prompts.answers.push_back(false);  // unsaved: "Save changes…?" No
  ConfigureYear(s, 2031, false);
  EXPECT_TRUE(s.Click("calendarnew"));
  EXPECT_EQ(s.doc.Db().Count(), 0u);
  EXPECT_EQ(s.view.State().currentPageMode, PageMode::kWelcome);
  EXPECT_NE(s.PageText().find("calendarnew"), std::string::npos);
}

// A new calendar starts where the desktop is: its language, country and
// first day of the week, with the national and Easter days on, all shown in
// the configuration dialog; a locale the program has no language or country
// of gives English and the United States.
TEST(CalendarFlows, NewCalendarStartsFromTheDesktopsLocale) {
  const std::tuple<const char*, int, int, int> cases[] = {
      {"de_DE.UTF-8", 2, 6, 1}, {"en_IE", 0, 5, 1},  {"es_MX.UTF-8@x", 1, 4, 0},
      {"fr_FR.UTF-8", 3, 8, 1}, {"nl_BE", 4, 9, 1},  {"it_IT@euro", 5, 11, 1},
      {"de_AT", 2, 13, 1},      {"es_ES", 1, 12, 1}, {"nl_NL", 4, 10, 1},
      {"de_CH", 2, 0, 0},       {"pt_BR", 0, 0, 0},  {"C.UTF-8", 0, 0, 0},
      {"", 0, 0, 0}};
  for (const auto& [locale, language, country, firstWeekday] : cases) {
    SCOPED_TRACE(locale);
    Session s;
    s.view.SetDesktopLocale([locale = std::string(locale)] { return locale; });
    ConfigChoices shown;
    s.prompts.configs.push_back({[&shown](ConfigChoices& c) { shown = c; }, true});
    s.Click("calendarnew");
    EXPECT_EQ(std::make_tuple(shown.language, shown.country, shown.firstWeekday),
              std::make_tuple(language, country, firstWeekday));
    EXPECT_TRUE(shown.national && shown.christian);
    EXPECT_FALSE(shown.hebrew || shown.equinox || shown.fullMoons);
    EXPECT_EQ(s.doc.Db().FirstWeekday(), firstWeekday);
  }
}

// Its region comes from the desktop's time zone where the zone is one region's
// of that country; a zone many regions share, or another country's, gives
// the whole country.
TEST(CalendarFlows, NewCalendarTakesTheRegionOfTheDesktopsTimeZone) {
  const std::tuple<const char*, const char*, const char*> cases[] = {
      {"en_AU.UTF-8", "Australia/Perth", "AU-WA"}, {"en_CA", "America/Regina", "CA-SK"},
      {"en_US", "America/Phoenix", "US-AZ"},      {"en_US", "America/New_York", ""},
      {"de_DE", "Europe/Berlin", ""},             {"de_DE", "Australia/Perth", ""},
      {"en_GB", "Europe/Belfast", "GB-NIR"},      {"en_US", "", ""}};
  for (const auto& [locale, zone, region] : cases) {
    SCOPED_TRACE(zone);
    Session s;
    s.view.SetDesktopLocale([locale = std::string(locale)] { return locale; });
    s.view.SetDesktopZone([zone = std::string(zone)] { return zone; });
    ConfigChoices shown;
    s.prompts.configs.push_back({[&shown](ConfigChoices& c) { shown = c; }, true});
    s.Click("calendarnew");
    EXPECT_EQ(shown.region, region);
    EXPECT_EQ(s.doc.Db().Region(), region);
  }
}

TEST(CalendarFlows, OpeningRunsTheYearBuildEvenAfterAnotherCalendarWasBuilt) {
  Session s;
  ConfigureYear(s, 2027);
  s.Click("calendarnew");
  const size_t built = s.doc.Db().Count();
  const std::string path = SavedCalendar(s, "family.cal");
  s.prompts.answers.push_back(false);
  s.prompts.paths.push_back(path);
  EXPECT_TRUE(s.Click("calendarbrowse"));
  EXPECT_EQ(s.doc.Db().Count(), built + 1);  // its national days and Ann
  EXPECT_EQ(s.recent.Read(), std::vector<std::string>{path});
  EXPECT_EQ(s.doc.FileName(), path);
  // Cancelling the chooser changes nothing and shows nothing.
  s.prompts.answers.push_back(false);
  s.prompts.paths.push_back("");
  EXPECT_FALSE(s.Click("calendarbrowse"));
  EXPECT_EQ(s.doc.Db().Count(), built + 1);
}

// A file naming a region its country has not opens as the whole country and
// says so; saving writes the whole country, and the note is not said again.
TEST(CalendarFlows, AnUnknownRegionOpensAsTheWholeCountryWithANote) {
  Session s;
  const std::string path = std::string(TESSOLAR_TEST_DATA) + "/calendars/unknown_region.cal";
  s.prompts.paths.push_back(path);
  EXPECT_TRUE(s.Click("calendarbrowse"));
  ASSERT_EQ(s.prompts.messages.size(), 1u);
  EXPECT_EQ(s.prompts.messages[0],
            path + " names a region its country has not (DE-ATLANTIS): it shows the whole country.");
  EXPECT_EQ(s.doc.Db().Region(), "");
  EXPECT_EQ(SaveCalendarFile(s.doc.Db(), (s.folder / "atlantis.cal").string(), &s.doc.Saved()), 0);
  EXPECT_EQ(s.doc.Db().UnknownRegion(), "");
  EXPECT_NE(s.doc.Saved().text.find("\n6\t1\tCountry, FirstWeekday\n"), std::string::npos);
}

// Files that are no calendar, opened over a calendar in hand: each is said,
// and the calendar and its page stay as they were.
TEST(CalendarFlows, WhatDoesNotOpenLeavesTheCalendarInHand) {
  Session s;
  const std::string path = SavedCalendar(s, "family.cal");
  s.view.OpenCalendarFile(path);
  s.view.ShowMonth(3);
  const std::string before = CalendarText(s.doc.Db());
  const std::string sealed = [&] {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }();
  const std::vector<std::pair<std::string, std::string>> hostile = {
      {"binary.cal", std::string("\x7f"
                                 "ELF\x02\x01\x01\0\0\0\xff\xfe",
                                 12)},
      {"cut.cal", sealed.substr(0, sealed.size() / 2)},
      {"empty.cal", ""}};
  for (const auto& [name, bytes] : hostile) {
    std::ofstream((s.folder / name).string(), std::ios::binary) << bytes;
  }
  std::filesystem::create_directory(s.folder / "folder.cal");
  for (const char* name : {"binary.cal", "cut.cal", "empty.cal", "folder.cal", "none.cal"}) {
    s.prompts.messages.clear();
    s.prompts.answers.push_back(false);
    s.prompts.paths.push_back((s.folder / name).string());
    EXPECT_FALSE(s.Click("calendarbrowse")) << name;
    ASSERT_EQ(s.prompts.messages.size(), 1u) << name;
    EXPECT_EQ(s.prompts.messages[0].rfind("Could not open file (", 0), 0u) << name;
    EXPECT_EQ(CalendarText(s.doc.Db()), before) << name;
    EXPECT_EQ(s.doc.FileName(), path) << name;
    EXPECT_EQ(s.view.State().currentMonth, 3) << name;
  }
}

TEST(CalendarFlows, RecentCalendarsOpenAndAMissingOneIsSaidAndForgotten) {
  Session s;
  const std::string path = SavedCalendar(s, "my family.cal");
  const std::string missing = (s.folder / "gone.cal").string();
  s.recent.Add(path);
  s.recent.Add(missing);
  EXPECT_TRUE(s.Click("calendarrecent_" + missing));
  ASSERT_EQ(s.prompts.messages.size(), 1u);
  EXPECT_EQ(s.prompts.messages[0].rfind("Could not open file (" + missing + ")", 0), 0u);
  EXPECT_EQ(s.recent.Read(), std::vector<std::string>{path});
  EXPECT_EQ(s.view.State().currentPageMode, PageMode::kWelcome);
  EXPECT_EQ(s.PageText().find("gone.cal"), std::string::npos);

  std::string encoded = path;
  encoded.replace(encoded.find(' '), 1, "%20");
  EXPECT_TRUE(s.Click("calendarrecent_" + encoded));
  EXPECT_EQ(s.doc.FileName(), path);
  EXPECT_EQ(s.doc.DialogYear(), 2027);  // new entries start in its year
  EXPECT_EQ(s.view.State().currentPageMode, PageMode::kOneMonth);
  // "calendarrecent" without its path is no token: the page loads as it is.
  EXPECT_TRUE(s.view.BeforeNavigate(s.PageUrlWith("calendarrecent")).accept);
  EXPECT_EQ(s.doc.FileName(), path);
  // A recent calendar whose path holds the words of other tokens opens.
  const auto tokenWords = s.folder / "caldate0101";
  std::filesystem::create_directories(tokenWords);
  const std::string named = (tokenWords / "calendarnew.cal").string();
  std::filesystem::copy_file(path, named);
  s.prompts.answers.push_back(false);  // the calendar in hand stays unsaved
  EXPECT_TRUE(s.Click("calendarrecent_" + named));
  EXPECT_EQ(s.doc.FileName(), named);
}

TEST(FileCommands, SaveAsksWhereAndWhetherToOverwrite) {
  Session s;
  ConfigureYear(s, 2027);
  s.Click("calendarnew");
  const std::string path = (s.folder / "new.cal").string();
  s.prompts.paths.push_back(path + ".cal");  // the dialog added its own extension
  EXPECT_TRUE(s.files.Save());
  EXPECT_EQ(s.doc.FileName(), path);
  EXPECT_FALSE(s.doc.HasUnsavedChanges());

  s.prompts.answers.push_back(true);  // "Overwrite existing file?" Yes
  EXPECT_TRUE(s.files.Save());
  s.prompts.answers.push_back(false);  // No: Save As, cancelled
  s.prompts.paths.push_back("");
  EXPECT_FALSE(s.files.Save());
  EXPECT_EQ(s.prompts.questions, std::vector<std::string>(2, "Overwrite existing file?"));
  EXPECT_EQ(s.prompts.dialogs.back(), "save:" + path);

  // Save As writes without asking, also over an existing file.
  const std::string other = (s.folder / "other.cal").string();
  std::ofstream(other) << "old";
  s.prompts.paths.push_back(other);
  EXPECT_TRUE(s.files.SaveAs(path));
  EXPECT_EQ(s.recent.Read(), (std::vector<std::string>{path, other}));
}

TEST(FileCommands, AFailedSaveIsSaidAndNothingCountsAsSaved) {
  Session s;
  ConfigureYear(s, 2027);
  s.Click("calendarnew");
  s.prompts.paths.push_back((s.folder / "no such folder" / "x.cal").string());
  EXPECT_FALSE(s.files.SaveAs(""));
  EXPECT_EQ(s.prompts.messages.size(), 1u);
  EXPECT_TRUE(s.doc.HasUnsavedChanges());
  EXPECT_TRUE(s.recent.Read().empty());
}

TEST(FileCommands, ExitAsksOnlyWhenSomethingWouldBeLost) {
  Session s;
  EXPECT_TRUE(s.files.ConfirmExit());  // no calendar yet
  ConfigureYear(s, 2027);
  s.Click("calendarnew");
  s.prompts.answers.push_back(false);
  EXPECT_TRUE(s.files.ConfirmExit());
  // Yes, but the save dialog is cancelled: the program stays.
  s.prompts.answers.push_back(true);
  s.prompts.paths.push_back("");
  EXPECT_FALSE(s.files.ConfirmExit());
  const std::string path = (s.folder / "kept.cal").string();
  s.prompts.answers.push_back(true);
  s.prompts.paths.push_back(path);
  EXPECT_TRUE(s.files.ConfirmExit());
  EXPECT_EQ(s.prompts.questions, std::vector<std::string>(3, "Save changes before exit?"));
  EXPECT_TRUE(std::ifstream(s.folder / "dbMemory").good());
  EXPECT_TRUE(std::ifstream(s.folder / "dbDisk").good());
  EXPECT_TRUE(s.files.ConfirmExit());  // saved: no question
  EXPECT_EQ(s.prompts.questions.size(), 3u);
}

// A file listing more entries than a calendar holds: opening says how many
// were left out, Save asks before it replaces the file and goes to Save As
// on No; once saved elsewhere, the calendar is whole again.
TEST(FileCommands, ACalendarCutShortIsSaidAndNeverSavedOverUnasked) {
  Session s;
  const std::string path = (s.folder / "big.cal").string();
  std::ifstream in(std::string(TESSOLAR_TEST_DATA) + "/calendars/over_full_510.cal");
  std::ofstream(path) << in.rdbuf();
  s.view.OpenCalendarFile(path);
  ASSERT_EQ(s.prompts.messages.size(), 1u);
  EXPECT_NE(s.prompts.messages[0].find("holds (500). Entries left out: 10."), std::string::npos);
  EXPECT_EQ(s.doc.Db().Count(), kMaxEntries);

  s.prompts.answers.push_back(false);
  s.prompts.paths.push_back((s.folder / "other.cal").string());
  EXPECT_TRUE(s.files.Save());
  ASSERT_EQ(s.prompts.questions.size(), 1u);
  EXPECT_NE(s.prompts.questions[0].find("Replacing the file loses them"), std::string::npos);
  EXPECT_EQ(s.prompts.dialogs.back(), "save:" + path);
  EXPECT_EQ(s.doc.Db().EntriesLeftOut(), 0u);
  std::ifstream original(path);
  EXPECT_EQ(std::count(std::istreambuf_iterator<char>(original), {}, '\n'), 540);  // untouched
}

// A full calendar says so instead of opening the event dialog, for a
// double-clicked day and for a picture dropped on a day.
TEST(EventFlows, AFullCalendarTakesNoNewEntry) {
  Session s;
  CCalDatabase& db = s.doc.Db();
  for (uint32_t i = 0; i < kMaxEntries; ++i)
    db.SaveHolidayData(i % 12, 1 + i % 28, 1990, kBirthday, "P", "null", 0, 1);
  s.view.ShowMonth(4);
  s.view.BeforeNavigate(s.PageUrlWith());
  EXPECT_FALSE(s.Click(DateToken(4, 30)));
  s.view.DropFiles({"/p/x.png"}, ReadClickToken(DateToken(4, 30)));
  EXPECT_EQ(s.prompts.messages,
            std::vector<std::string>(2,
                                     "The calendar is full: it holds 500 entries. Delete one to "
                                     "add another."));
  EXPECT_TRUE(s.prompts.dialogs.empty());
}

TEST(RecentFiles, TenSlotsShiftFreedSlotsAreReusedAndEachFileIsListedOnce) {
  support::MemorySettings settings;
  RecentFiles recent(settings);
  for (int i = 1; i <= 10; ++i) recent.Add("/c/f" + std::to_string(i + 10) + ".cal");
  recent.Add("/c/f21.cal");
  auto listed = recent.Read();
  ASSERT_EQ(listed.size(), 10u);
  EXPECT_EQ(listed.front(), "/c/f12.cal");
  EXPECT_EQ(settings.values["Tessolar/RecentFile10"], "/c/f21.cal");
  recent.Add("/c/f15.cal");
  EXPECT_EQ(recent.Read(), listed);
  recent.Remove("/C/f13.cal");  // another file: nothing is freed
  EXPECT_EQ(recent.Read(), listed);
  recent.Remove("/c/f13.cal");
  EXPECT_EQ(settings.values["Tessolar/RecentFile02"], "empty");
  recent.Add("/c/F15.cal");  // two files that differ only in case, or one
  EXPECT_EQ(settings.values["Tessolar/RecentFile02"], "/c/F15.cal");
  recent.Add("/c/f15.cal.old");  // whose name starts like a listed one are both listed
  EXPECT_EQ(recent.Read().back(), "/c/f15.cal.old");
}

TEST(WindowPlacement, RoundTripAndWhatIsIgnored) {
  const WindowPlacement maximized{true, 10, 20, 810, 620};
  EXPECT_EQ(FormatPlacement(maximized), "2,3,-1,-1,-1,-1,10,20,810,620");
  const auto back = ParsePlacement(FormatPlacement(maximized));
  ASSERT_TRUE(back);
  EXPECT_TRUE(back->maximized);
  EXPECT_EQ(back->right, 810);
  EXPECT_FALSE(ParsePlacement(FormatPlacement({false, 1, 2, 3, 4}))->maximized);
  for (const char* bad : {"", "1,2,3", "0,1,0,0,0,0,10,10,5,5", "0,1,0,0,0,0,1,2,3,4,5", "x"}) {
    EXPECT_FALSE(ParsePlacement(bad)) << bad;
  }
}

}  // namespace
}  // namespace tessolar
