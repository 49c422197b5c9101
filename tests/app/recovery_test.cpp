// Recovery after a crash, over scripted answers: the recovery file follows
// every change, and a program started after one that died offers it back.

#include "app/flows/recovery.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "app/scripted_prompts.h"
#include "caldata/calendar_text.h"
#include "caldata/recovery_file.h"
#include "pages/click_tokens.h"

namespace tessolar {
namespace {

using support::Session;

constexpr int64_t kChangedAt = 1798761600;  // 2027-01-01 UTC

// A program of process `pid` over `doc`, among programs of which only those
// `running` says run.
Recovery ProgramRecovery(CalendarDocument& doc, const Session& s, int pid,
                         std::function<bool(int)> running) {
  return Recovery(doc, (s.folder / "state").string(), pid,
                  {[] { return kChangedAt; }, std::move(running)});
}

std::string RecoveryFileOf(const Session& s, int pid) {
  return (s.folder / "state" / ("recovery-" + std::to_string(pid) + ".cal")).string();
}

struct RecoverySession : Session {
  RecoverySession() {
    doc.Db().SetYear(2027);
    doc.SetFileName((folder / "family.cal").string());
    doc.MarkStarted();
    view.SetChangeListener([this] { recovery.Update(); });
    view.ShowMonth(4);
    view.BeforeNavigate(PageUrlWith());
  }
  Recovery recovery = ProgramRecovery(doc, *this, 1, [](int) { return false; });
};

// What the recovery file holds now, read as a program after a crash reads it.
std::string RecoveredText(const Session& s) {
  CCalDatabase db;
  RecoveryInfo info;
  return ReadRecoveryFile(RecoveryFileOf(s, 1), db, info) ? CalendarText(db) : "";
}

TEST(Recovery, EachKindOfChangeIsKeptAndAProgramStartedAfterACrashRestoresIt) {
  RecoverySession s;
  s.prompts.events.push_back({[](CalEntry& e) { e.description = "Ann"; }, EventAnswer::kOk});
  s.Click(DateToken(4, 7));
  EXPECT_EQ(RecoveredText(s), CalendarText(s.doc.Db()));
  s.prompts.picks.push_back(1);
  s.view.DropFiles({"/p/ann.png"}, ReadClickToken(DateToken(4, 7)));
  EXPECT_EQ(RecoveredText(s), CalendarText(s.doc.Db()));
  s.prompts.configs.push_back({[](ConfigChoices& c) { c.national = true; }, true});
  s.view.Configuration();
  EXPECT_EQ(RecoveredText(s), CalendarText(s.doc.Db()));
  s.prompts.titles.push_back({[](TitleFields& f) { f.title = "The Millers"; }, true});
  s.Click(kTitleTextToken);
  EXPECT_EQ(RecoveredText(s), CalendarText(s.doc.Db()));
  s.prompts.bigPictures.push_back({{"Lake", "lake.jpg", ""}, true});
  s.Click(BigPictureToken(6));
  const std::string last = CalendarText(s.doc.Db());
  EXPECT_EQ(RecoveredText(s), last);

  // The program dies; the next one, process 2, finds the file of process 1.
  Session next;
  CalendarDocument doc;
  Recovery second = ProgramRecovery(doc, s, 2, [](int pid) { return pid == 2; });
  next.prompts.answers.push_back(true);
  EXPECT_TRUE(second.OfferLeftBehind(next.prompts));
  ASSERT_EQ(next.prompts.questions.size(), 1u);
  EXPECT_NE(next.prompts.questions[0].find("changes to " + (s.folder / "family.cal").string() +
                                           " (last changed 2027-01-01"),
            std::string::npos);
  EXPECT_EQ(CalendarText(doc.Db()), last);
  EXPECT_EQ(doc.FileName(), (s.folder / "family.cal").string());
  EXPECT_TRUE(doc.HasUnsavedChanges());
  EXPECT_FALSE(std::filesystem::exists(RecoveryFileOf(s, 1)));
  EXPECT_TRUE(std::filesystem::exists(RecoveryFileOf(s, 2)));
}

TEST(Recovery, SavingOrNoRemovesTheFileAndARunningCopyKeepsItsOwn) {
  RecoverySession s;
  s.prompts.events.push_back({[](CalEntry& e) { e.description = "Ann"; }, EventAnswer::kOk});
  s.Click(DateToken(4, 7));
  ASSERT_TRUE(std::filesystem::exists(RecoveryFileOf(s, 1)));

  Session other;
  CalendarDocument otherDoc;
  Recovery whileRunning = ProgramRecovery(otherDoc, s, 2, [](int) { return true; });
  EXPECT_FALSE(whileRunning.OfferLeftBehind(other.prompts));
  EXPECT_TRUE(other.prompts.questions.empty());

  s.prompts.paths.push_back((s.folder / "family.cal").string());
  ASSERT_TRUE(s.files.Save());
  s.recovery.Update();
  EXPECT_FALSE(std::filesystem::exists(RecoveryFileOf(s, 1)));

  s.prompts.events.push_back({[](CalEntry& e) { e.description = "Bob"; }, EventAnswer::kOk});
  s.Click(DateToken(4, 8));
  Recovery afterCrash = ProgramRecovery(otherDoc, s, 2, [](int pid) { return pid == 2; });
  other.prompts.answers.push_back(false);
  EXPECT_FALSE(afterCrash.OfferLeftBehind(other.prompts));
  EXPECT_EQ(otherDoc.Db().Count(), 0u);
  EXPECT_FALSE(std::filesystem::exists(RecoveryFileOf(s, 1)));
}

}  // namespace
}  // namespace tessolar
