// Undo and Redo over scripted answers: every kind of change taken back and
// made again, the saved state, the limit of the history, and a calendar
// opened and closed without a change counting as saved.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "app/flows/recovery.h"
#include "app/scripted_prompts.h"
#include "caldata/calendar_text.h"

namespace tessolar {
namespace {

using support::Session;

struct UndoSession : Session {
  UndoSession() {
    doc.Db().SetYear(2027);
    doc.MarkStarted();
    view.ShowMonth(4);
    view.BeforeNavigate(PageUrlWith());
  }
  std::string Text() const { return CalendarText(doc.Db()); }
  std::string UndoName() const { return English(doc.History().UndoName()); }
  void AddOn(int day, const std::string& name) {
    prompts.events.push_back({[name](CalEntry& e) { e.description = name; }, EventAnswer::kOk});
    Click(DateToken(4, day));
  }
};

// Each change is one step back, named after what it did, and the same step
// forward again; a new change after an undo drops what could be redone.
TEST(UndoFlows, EveryKindOfChangeIsUndoneAndRedoneByName) {
  UndoSession s;
  std::vector<std::string> texts{s.Text()};
  const auto changed = [&](const char* name) {
    EXPECT_EQ(s.UndoName(), name);
    EXPECT_NE(s.Text(), texts.back()) << name;
    texts.push_back(s.Text());
  };
  s.AddOn(7, "Grandma Rose");
  changed("Add ‘Grandma Rose’");
  const int slot = static_cast<int>(s.doc.Db().GetEntriesOfDay(4, 7).at(0).index);
  s.prompts.events.push_back({[](CalEntry& e) { e.day = 8; }, EventAnswer::kOk});
  s.Click(EntryToken(slot));
  changed("Change ‘Grandma Rose’");
  s.prompts.picks.push_back(1);
  s.view.DropFiles({"/p/rose.png"}, ReadClickToken(DateToken(4, 8)));
  changed("Drop Picture");
  s.view.RunEditCommand(ViewController::EditCommand::kHideEntry,
                        ReadPageSelection("2027-05-08 " + std::to_string(slot)));
  changed("Hide ‘Grandma Rose’");
  s.Click(UnhideToken(static_cast<uint32_t>(slot)));
  changed("Show ‘Grandma Rose’");
  s.prompts.configs.push_back({[](ConfigChoices& c) { c.national = true; }, true});
  s.view.Configuration();
  changed("Change Configuration");
  s.prompts.titles.push_back({[](TitleFields& f) { f.title = "The Millers"; }, true});
  s.Click(kTitleTextToken);
  changed("Change Title Page");
  s.prompts.bigPictures.push_back({{"Lake", "lake.jpg", ""}, true});
  s.Click(BigPictureToken(6));
  changed("Change Big Picture");
  s.prompts.answers.push_back(true);
  const int moved = static_cast<int>(s.doc.Db().GetEntriesOfDay(4, 8).at(0).index);
  s.view.RunEditCommand(ViewController::EditCommand::kDeleteEntry,
                        ReadPageSelection("2027-05-08 " + std::to_string(moved)));
  changed("Delete ‘Grandma Rose’");

  for (size_t step = texts.size() - 1; step > 0; --step) {
    s.view.Undo();
    EXPECT_EQ(s.Text(), texts[step - 1]) << step;
  }
  EXPECT_FALSE(s.doc.History().CanUndo());
  for (size_t step = 1; step < texts.size(); ++step) {
    s.view.Redo();
    EXPECT_EQ(s.Text(), texts[step]) << step;
  }
  EXPECT_FALSE(s.doc.History().CanRedo());
  s.view.Undo();
  s.AddOn(20, "Tom");
  EXPECT_FALSE(s.doc.History().CanRedo());
  // What changes nothing is no step: a cancelled dialog, a page shown.
  s.prompts.events.push_back({[](CalEntry&) {}, EventAnswer::kCancel});
  s.Click(DateToken(4, 21));
  s.view.ShowMonth(5);
  EXPECT_EQ(s.UndoName(), "Add ‘Tom’");
}

// Undoing back to what was saved makes the calendar saved again, and the
// recovery file follows every step.
TEST(UndoFlows, UndoingBackToTheSavedCalendarMakesItSavedAgain) {
  UndoSession s;
  Recovery recovery(s.doc, (s.folder / "state").string(), 1);
  s.view.SetChangeListener([&] { recovery.Update(); });
  const std::string path = (s.folder / "family.cal").string();
  s.prompts.paths.push_back(path);
  ASSERT_TRUE(s.files.SaveAs(""));
  const auto recoveryFile = s.folder / "state" / "recovery-1.cal";
  s.AddOn(7, "Ann");
  EXPECT_TRUE(s.doc.HasUnsavedChanges());
  EXPECT_TRUE(std::filesystem::exists(recoveryFile));
  s.view.Undo();
  EXPECT_FALSE(s.doc.HasUnsavedChanges());
  EXPECT_FALSE(std::filesystem::exists(recoveryFile));
  s.view.Redo();
  EXPECT_TRUE(s.doc.HasUnsavedChanges());
  EXPECT_TRUE(std::filesystem::exists(recoveryFile));
}

// The history keeps the last kUndoLevels changes; opening a calendar clears it.
TEST(UndoFlows, TheHistoryKeepsItsLimitAndOpeningClearsIt) {
  UndoSession s;
  for (size_t n = 0; n <= kUndoLevels; ++n) s.AddOn(1 + n % 28, "E" + std::to_string(n));
  size_t steps = 0;
  while (s.doc.History().CanUndo()) {
    s.view.Undo();
    ++steps;
  }
  EXPECT_EQ(steps, kUndoLevels);
  EXPECT_EQ(s.doc.Db().GetEntriesOfDay(4, 1).size(), 1u);  // the first change stays
  const std::string path = (s.folder / "other.cal").string();
  s.prompts.paths.push_back(path);
  ASSERT_TRUE(s.files.SaveAs(""));
  s.AddOn(2, "Late");
  s.prompts.answers.push_back(false);  // do not save before opening
  s.view.OpenCalendarFile(path);
  EXPECT_FALSE(s.doc.History().CanUndo());
  EXPECT_FALSE(s.doc.History().CanRedo());
}

// Opening any calendar, plain or enciphered, and closing it asks nothing and
// leaves no recovery file: the days the opening computes are no change.
TEST(UndoFlows, OpeningAndClosingACalendarAsksNothing) {
  for (const char* file : {"resources/sample.cal", "tests/data/calendars/pinned/german_2024.cal"}) {
    const std::filesystem::path source = std::filesystem::path(TESSOLAR_SOURCE_DIR) / file;
    Session s;
    Recovery recovery(s.doc, (s.folder / "state").string(), 1);
    s.view.SetChangeListener([&] { recovery.Update(); });
    const std::string path = (s.folder / "calendar.cal").string();
    std::filesystem::copy_file(source, path);
    s.view.OpenCalendarFile(path);
    ASSERT_TRUE(s.doc.Started()) << file;
    EXPECT_FALSE(s.doc.HasUnsavedChanges()) << file;
    EXPECT_TRUE(s.files.ConfirmExit());
    EXPECT_TRUE(s.prompts.questions.empty()) << file;
    EXPECT_FALSE(std::filesystem::exists(s.folder / "state" / "recovery-1.cal")) << file;
  }
}

}  // namespace
}  // namespace tessolar
