// Adding and changing entries by double-click, and pictures dropped on days
// and big pictures, over scripted answers.

#include <gtest/gtest.h>

#include "app/scripted_prompts.h"
#include "support/store_snapshot.h"

namespace tessolar {
namespace {

using support::Session;

std::function<void(CalEntry&)> Describe(const std::string& text) {
  return [text](CalEntry& e) { e.description = text; };
}

ClickToken Token(const std::string& query) { return ReadClickToken(query); }

struct EventSession : Session {
  EventSession() {
    doc.Db().SetYear(2027);
    doc.MarkStarted();
    view.ShowMonth(4);  // May
    view.BeforeNavigate(PageUrlWith());
  }
  std::vector<CalEntry> Day(int day) const { return doc.Db().GetEntriesOfDay(4, day); }
};

TEST(EventFlows, DoubleClickingADayAddsAnEntryOnOkOnly) {
  EventSession s;
  s.doc.SetDialogYear(1990);
  s.prompts.events.push_back({Describe("Ann"), EventAnswer::kOk});
  EXPECT_TRUE(s.Click("caldate0412"));
  EXPECT_EQ(s.prompts.lastEvent.year, 1990);
  EXPECT_EQ(s.prompts.lastEvent.type, kBirthday);
  ASSERT_EQ(s.Day(12).size(), 1u);
  EXPECT_NE(s.PageText().find("Ann"), std::string::npos);
  s.prompts.events.push_back({Describe("Tom"), EventAnswer::kCancel});
  EXPECT_FALSE(s.Click("caldate0412"));
  EXPECT_EQ(s.Day(12).size(), 1u);
}

// The Edit menu acts on the page's selection: a day for a new entry, the
// focused entry for the others; deleting asks first.
TEST(EventFlows, EditMenuAddsOnTheSelectedDayAndHidesOrDeletesTheFocusedEntry) {
  EventSession s;
  using Command = ViewController::EditCommand;
  s.prompts.events.push_back({Describe("Ann"), EventAnswer::kOk});
  s.view.RunEditCommand(Command::kAddEvent, ReadPageSelection("2027-05-12 "));
  ASSERT_EQ(s.Day(12).size(), 1u);
  const int slot = static_cast<int>(s.Day(12)[0].index);
  const PageSelection onAnn = ReadPageSelection("2027-05-12 " + std::to_string(slot));
  s.view.RunEditCommand(Command::kEditEntry, ReadPageSelection("2027-05-12 "));
  EXPECT_TRUE(s.prompts.events.empty());  // no entry has the focus: nothing to edit
  s.prompts.answers.push_back(false);
  s.view.RunEditCommand(Command::kDeleteEntry, onAnn);
  EXPECT_EQ(s.Day(12).size(), 1u);
  s.view.RunEditCommand(Command::kHideEntry, onAnn);
  EXPECT_TRUE(s.Day(12).empty());
  s.doc.Db().SetEntryHidden(static_cast<uint32_t>(slot), false);
  s.prompts.answers.push_back(true);
  s.view.RunEditCommand(Command::kDeleteEntry, onAnn);
  EXPECT_EQ(s.doc.Db().Count(), 0u);
}

// Where the keyboard moves past the month on screen, that month is shown
// with the day selected.
TEST(EventFlows, TheKeyboardMovingPastTheMonthShowsTheNextWithTheDaySelected) {
  EventSession s;
  s.Click("calshow0501");
  EXPECT_EQ(s.view.State().currentMonth, 5);
  EXPECT_EQ(s.display.selected, "2027-06-01");
  s.Click("calshow0131");  // no such day
  EXPECT_EQ(s.view.State().currentMonth, 5);
}

TEST(EventFlows, DoubleClickingAnEntryChangesOrDeletesItInPlace) {
  EventSession s;
  CCalDatabase& db = s.doc.Db();
  db.SaveHolidayData(0, 1, 2027, kReminder, "First slot", "null", 0, 0);
  db.SaveHolidayData(4, 3, 2027, kReminder, "Dentist", "null", 0, 0);
  db.SortAndCompact();
  s.prompts.events.push_back({Describe("New Year"), EventAnswer::kOk});
  EXPECT_TRUE(s.Click("calidx0000"));
  EXPECT_EQ(db.Count(), 2u);  // changed in place, no copy added
  EXPECT_EQ(db.EntryAt(0)->description, "New Year");

  s.prompts.events.push_back({Describe("ignored"), EventAnswer::kCancel});
  EXPECT_FALSE(s.Click("calidx0001"));
  s.prompts.events.push_back({[](CalEntry& e) { e.month = 7; }, EventAnswer::kDelete});
  EXPECT_TRUE(s.Click("calidx0001"));  // deleted even after the month was changed
  EXPECT_EQ(db.Count(), 1u);
  EXPECT_FALSE(s.Click("calidx0005"));
  EXPECT_EQ(s.prompts.messages, std::vector<std::string>{"did not find index in database"});
}

TEST(EventFlows, ThreeFilesOnAnEmptyDayMeetOneTwoEntriesAndACancelledFirst) {
  EventSession s;
  s.prompts.events.push_back({nullptr, EventAnswer::kCancel});
  s.prompts.events.push_back({Describe("One"), EventAnswer::kOk});
  s.prompts.picks.push_back(0);
  s.prompts.events.push_back({Describe("Two"), EventAnswer::kOk});
  s.view.DropFiles({"/p/0.png", "/p/a.png", "/p/b.png"}, Token("caldate0407"));
  EXPECT_EQ(s.prompts.dialogs,
            (std::vector<std::string>{"event:new", "event:new", "pick2", "event:new"}));
  EXPECT_EQ(s.prompts.lastPickLabels.back(), "New Entry");
  const auto day = s.Day(7);
  ASSERT_EQ(day.size(), 2u);
  EXPECT_EQ(day[0].pictureFile + day[1].pictureFile, "/p/a.png/p/b.png");
  EXPECT_EQ(s.view.State().currentPageMode, PageMode::kOneMonth);
  // The month on screen is updated in place for each entry, not loaded again.
  EXPECT_EQ(s.display.navigations, 1);  // May, when the session showed it
  EXPECT_EQ(s.display.replacements, 2);
  EXPECT_NE(s.display.replaced.find("data-date=\"2027-05-07\""), std::string::npos);
}

// A drop on a full day offers each entry and a new one, as a double-click
// adds one: more than four wait behind the day's mark.
TEST(EventFlows, ADropOnAFullDayOffersEveryEntryAndANewOne) {
  EventSession s;
  CCalDatabase& db = s.doc.Db();
  for (const char* name : {"A", "B", "C", "D", "E"}) {
    db.SaveHolidayData(4, 20, 2027, kReminder, name, "null", 0, 0);
  }
  db.SortAndCompact();
  s.prompts.picks.push_back(4);  // the fourth entry
  s.view.DropFiles({"/p/d.png"}, Token(DateToken(4, 20)));
  ASSERT_EQ(s.prompts.lastPickLabels.size(), 6u);
  EXPECT_EQ(s.prompts.lastPickLabels.back(), "New Entry");
  EXPECT_EQ(support::EntriesNamed(db, kReminder, "D")[0].pictureFile, "/p/d.png");
  s.prompts.picks.push_back(0);  // the last button: a new entry, the sixth
  s.prompts.events.push_back({Describe("F"), EventAnswer::kOk});
  s.view.DropFiles({"/p/f.png"}, Token("caldate0420"));
  EXPECT_EQ(s.Day(20).size(), 6u);
  EXPECT_TRUE(s.prompts.messages.empty());
  // Outside any day nothing happens.
  const size_t dialogs = s.prompts.dialogs.size();
  s.view.DropFiles({"/p/e.png"}, Token(""));
  EXPECT_EQ(s.prompts.dialogs.size(), dialogs);
}

// The mark of a day's entries beyond its cell lists them all; the one picked
// opens in the event dialog, and the day number still adds a seventh.
TEST(EventFlows, EveryEntryOfABusyDayIsReachableAndTheDayTakesMore) {
  EventSession s;
  CCalDatabase& db = s.doc.Db();
  for (const char* name : {"A", "B", "C", "D", "E", "F"}) {
    db.SaveHolidayData(4, 20, 2027, kReminder, name, "null", 0, 0);
  }
  db.SortAndCompact();
  s.view.ShowMonth(4);
  s.view.BeforeNavigate(s.PageUrlWith());
  EXPECT_NE(s.PageText().find(MoreEntriesToken(4, 20)), std::string::npos);
  s.prompts.picks.push_back(0);  // the last: F
  s.prompts.events.push_back({Describe("F2"), EventAnswer::kOk});
  EXPECT_TRUE(s.Click(MoreEntriesToken(4, 20)));
  EXPECT_EQ(s.prompts.lastPickLabels.size(), 6u);
  EXPECT_EQ(support::EntriesNamed(db, kReminder, "F2").size(), 1u);
  s.prompts.events.push_back({Describe("G"), EventAnswer::kOk});
  EXPECT_TRUE(s.Click(DateToken(4, 20)));
  EXPECT_EQ(s.Day(20).size(), 7u);
}

TEST(EventFlows, AFileOnABigPictureAsksForItsDescriptionAndStoresBoth) {
  EventSession s;
  s.view.ShowBigPictures();
  s.prompts.bigPictures.push_back({{"Harbour", "/p/h.jpg", ""}, true});
  s.view.DropFiles({"/p/h.jpg", "/p/ignored.jpg"}, Token("calbigpic05"));
  EXPECT_EQ(s.doc.Db().BigPictureAt(5), (BigPicture{"/p/h.jpg", "Harbour"}));
  s.view.DropFiles({"/p/x.jpg"}, Token("caldate0101"));
  EXPECT_EQ(s.prompts.dialogs.size(), 1u);
}

}  // namespace
}  // namespace tessolar
