// One editor per calendar file: locks held, left by a program that died, and
// let go; and opening a held file through the flows.

#include "app/flows/calendar_locks.h"

#include <gtest/gtest.h>

#include <fstream>

#include "app/scripted_prompts.h"

namespace tessolar {
namespace {

using support::Session;

TEST(CalendarLocks, AHeldFileAsksAStaleLockIsTakenOverAndReleasedLocksAreGone) {
  Session s;
  const std::string state = (s.folder / "state").string();
  const std::string path = (s.folder / "family.cal").string();
  std::ofstream(path) << "x";
  bool firstRuns = true;
  CalendarLocks second(state, 2, [&](int pid) { return pid == 1 && firstRuns; });
  {
    CalendarLocks first(state, 1, [](int) { return true; });
    first.Follow(path);
    EXPECT_EQ(second.HolderOf(path), 1);
    EXPECT_EQ(second.HolderOf((s.folder / "." / "family.cal").string()), 1);  // the same file
    EXPECT_EQ(first.HolderOf(path), 0);  // its own lock holds nothing against it

    s.prompts.answers.push_back(false);
    EXPECT_FALSE(second.MayOpen(path, s.prompts));
    ASSERT_EQ(s.prompts.questions.size(), 1u);
    EXPECT_NE(s.prompts.questions[0].find(path + " is open in another Tessolar (process 1)"),
              std::string::npos);

    firstRuns = false;  // it died, its lock left behind
    EXPECT_TRUE(second.MayOpen(path, s.prompts));
    EXPECT_EQ(s.prompts.questions.size(), 1u);
    firstRuns = true;
    first.Follow("");  // a new calendar: the file is free again
    EXPECT_EQ(second.HolderOf(path), 0);
    first.Follow(path);
  }  // the program ends
  EXPECT_EQ(second.HolderOf(path), 0);
}

TEST(CalendarLocks, NoToAHeldFileLeavesTheCalendarInHand) {
  Session s;
  const std::string path = (s.folder / "held.cal").string();
  std::ifstream in(TESSOLAR_SOURCE_DIR "/resources/sample.cal");
  std::ofstream(path) << in.rdbuf();
  CalendarLocks other(s.folder.string(), 1, [](int) { return true; });
  other.Follow(path);
  CalendarLocks mine(s.folder.string(), 2, [](int) { return true; });
  s.view.SetOpenGuard([&](const std::string& p) { return mine.MayOpen(p, s.prompts); });
  s.doc.Db().SetTitle("Mine");
  s.prompts.answers.push_back(false);
  s.view.OpenCalendarFile(path);
  EXPECT_EQ(s.doc.Db().Title(), "Mine");
  s.prompts.answers.push_back(true);
  s.view.OpenCalendarFile(path);
  EXPECT_EQ(s.doc.FileName(), path);
}

}  // namespace
}  // namespace tessolar
