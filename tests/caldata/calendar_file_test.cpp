#include "caldata/calendar_file.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>

#include "caldata/calendar_text.h"
#include "compute/week_start.h"
#include "caldata/calendar_text_reader.h"
#include "caldata/cipher_envelope.h"
#include "caldata/random_calendar_support.h"
#include "compute/date_arithmetic.h"
#include "support/store_snapshot.h"

namespace tessolar {
namespace {

namespace fs = std::filesystem;

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

void WriteFile(const fs::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

ino_t Inode(const fs::path& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 ? st.st_ino : 0;
}

class CalendarFile : public support::CalendarTest {
 protected:
  void SetUp() override {
    fs::create_directories(dir_);
    std::mt19937 rng(7);
    FillRandomCalendar(db_, rng, 60);
  }
  void TearDown() override { fs::remove_all(dir_); }
  std::string Path(const std::string& name) const { return (dir_ / name).string(); }
  size_t FilesInDir() const {
    return static_cast<size_t>(
        std::distance(fs::directory_iterator(dir_), fs::directory_iterator()));
  }
  // Loads `bytes` written to a file; returns the loader's result.
  int LoadBytes(CCalDatabase& db, const std::string& bytes, SavedState* saved = nullptr,
                UserText* message = nullptr) {
    WriteFile(Path("load.cal"), bytes);
    return LoadCalendarFile(db, Path("load.cal"), saved, message);
  }

  const fs::path dir_ =
      fs::temp_directory_path() /
      ("tessolar_calendar_file_" +
       std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
};

// Five hundred entries, as many as the store holds, in the envelope, plain,
// and plain with CR LF line ends.
TEST_F(CalendarFile, AFullTableSavesAndLoadsWholeEncipheredOrPlain) {
  std::mt19937 rng(500);
  FillRandomCalendar(db_, rng, 2000);
  ASSERT_EQ(db_.Count(), kMaxEntries);
  const std::string path = Path("full.cal"), text = CalendarText(db_);
  SavedState saved;
  ASSERT_EQ(SaveCalendarFile(db_, path, &saved), 0);
  EXPECT_EQ(ReadFile(path).substr(0, 3), "cal");
  EXPECT_EQ(saved.text, text);
  EXPECT_NE(text.find("\n500\n"), std::string::npos);
  std::string crlf;
  for (char c : text) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
  for (const std::string& bytes : {ReadFile(path), text, crlf}) {
    CCalDatabase back;
    SavedState loaded;
    ASSERT_EQ(LoadBytes(back, bytes, &loaded), 1);
    EXPECT_EQ(CalendarText(back), text);
    EXPECT_EQ(loaded.text, text);
  }
}

// Saving replaces the file by renaming a new one over it, so a real write shows as a new inode.
TEST_F(CalendarFile, SavingReplacesTheFileUnlessItAlreadyHoldsTheCalendar) {
  const std::string path = Path("a.cal");
  SavedState saved;
  ASSERT_EQ(SaveCalendarFile(db_, path, &saved), 0);
  const ino_t first = Inode(path);
  ASSERT_EQ(SaveCalendarFile(db_, path, &saved), 0);
  EXPECT_EQ(Inode(path), first) << "an unchanged calendar was written again";
  // Same text, but last saved elsewhere: written again.
  ASSERT_EQ(SaveCalendarFile(db_, Path("b.cal"), &saved), 0);
  ASSERT_EQ(SaveCalendarFile(db_, path, &saved), 0);
  EXPECT_NE(Inode(path), first) << "the file was written in place";
  fs::remove(path);
  ASSERT_EQ(SaveCalendarFile(db_, path, &saved), 0);
  EXPECT_TRUE(fs::exists(path));
  EXPECT_EQ(FilesInDir(), 2u);
}

TEST_F(CalendarFile, AWriteThatFailsHalfwayIsReportedAndLeavesTheOldFileWhole) {
  const std::string path = Path("keep.cal");
  SavedState saved;
  ASSERT_EQ(SaveCalendarFile(db_, path, &saved), 0);
  const std::string before = ReadFile(path);
  std::mt19937 rng(8);
  FillRandomCalendar(db_, rng, 500);
  // In a child whose files may grow only a little, so that the write itself fails.
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{static_cast<rlim_t>(before.size()), static_cast<rlim_t>(before.size())};
    setrlimit(RLIMIT_FSIZE, &limit);
    UserText message;
    const bool ok = SaveCalendarFile(db_, path, &saved, &message) == -1 && !message.Empty() &&
                    saved.text != CalendarText(db_);
    _exit(ok ? 0 : 1);
  }
  int status = 0;
  waitpid(child, &status, 0);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "the failed save was not reported";
  EXPECT_EQ(ReadFile(path), before);
  EXPECT_EQ(FilesInDir(), 1u) << "a temporary file was left behind";
}

TEST_F(CalendarFile, WhatIsNotACalendarFileIsRefusedWithAReason) {
  UserText message;
  EXPECT_EQ(LoadCalendarFile(db_, Path("none.cal"), nullptr, &message), -1);
  ASSERT_EQ(mkfifo(Path("fifo").c_str(), 0600), 0);
  EXPECT_EQ(LoadCalendarFile(db_, Path("fifo"), nullptr, &message), 0)
      << "a pipe must not be opened";
  EXPECT_EQ(LoadBytes(db_, "", nullptr, &message), 0);
  EXPECT_NE(English(message).find("empty"), std::string::npos);
  // A calendar cut off after its settings leaves the store as it was, its
  // language and country too, which the file had set while it was read.
  const std::string before = CalendarText(db_);
  const std::string cut = "4034\tBuild\n" + std::to_string((db_.Language() + 1) % kLanguageCount) +
                          "\tLanguage\n" + std::to_string((db_.Country() + 1) % kCountryCount) +
                          "\tCountry\n2031\tYear\n";
  EXPECT_EQ(LoadBytes(db_, cut, nullptr, &message), 0);
  EXPECT_EQ(CalendarText(db_), before);
}

TEST_F(CalendarFile, DamagedEnvelopesAreRefusedAndHugeLinesRead) {
  const std::string text = CalendarText(db_), sealed = SealEnvelope(text);
  std::string flipped = sealed;
  flipped[flipped.size() - 6] = flipped[flipped.size() - 6] == 'A' ? 'B' : 'A';  // last block
  for (const std::string& damaged :
       {std::string("cal"), std::string("cal===="), std::string("cal!!!!not base64!!!!"),
        sealed.substr(0, sealed.size() - 5), sealed.substr(0, 3) + "A" + sealed.substr(3),
        flipped}) {
    CCalDatabase back;
    EXPECT_FALSE(ReadCalendarBytes(back, damaged)) << damaged.substr(0, 20);
  }
  std::string huge = text;
  huge.insert(huge.find("\tTitle"), std::string(4 << 20, 'x'));
  huge += std::string(1 << 20, '\t') + "\n";  // trailing lines are never read
  CCalDatabase back;
  EXPECT_EQ(LoadBytes(back, SealEnvelope(huge)), 1);
  EXPECT_EQ(back.Title().size(), db_.Title().size() + (4 << 20));
}

TEST_F(CalendarFile, FuzzSeedsAndInputsThatOnceFailedReadBackTheSame) {
  size_t files = 0;
  for (const char* folder : {"tests/fuzz/corpus", "tests/fuzz/regressions"}) {
    for (const auto& entry : fs::directory_iterator(fs::path(TESSOLAR_SOURCE_DIR) / folder)) {
      if (entry.path().filename().string()[0] == '.') continue;
      SCOPED_TRACE(entry.path().string());
      ++files;
      const std::string bytes = ReadFile(entry.path());
      for (const std::string& input : {bytes, SealEnvelope(bytes)}) {
        CCalDatabase db;
        // A clip-art folder without a separator is put in front of fixed pictures on every load.
        if (!ReadCalendarBytes(db, input)) continue;
        const std::string& folder = db.ClipartDirectory();
        if (!folder.empty() && folder.find_first_of("/\\") == std::string::npos) continue;
        const std::string text = CalendarText(db);
        CCalDatabase again;
        ASSERT_TRUE(ReadCalendarBytes(again, text));
        EXPECT_EQ(CalendarText(again), text);
      }
    }
  }
  EXPECT_GE(files, 6u);
}

// Reads `text` into a fresh store and checks that it gives the same text and
// the same entries, slot by slot.
void ExpectReadsBackWhole(const CCalDatabase& db, const std::string& text) {
  CCalDatabase back;
  ASSERT_EQ(ReadCalendarText(back, text), 1);
  EXPECT_EQ(CalendarText(back), text);
  uint32_t valid = 0;
  for (uint32_t i = 0; i < db.Count(); ++i) {
    if (!db.EntryAt(i)->IsValidForSaving()) continue;
    CalEntry expected = *db.EntryAt(i);
    expected.index = valid;
    EXPECT_EQ(*back.EntryAt(valid++), expected) << "entry " << i;
  }
  EXPECT_EQ(back.Count(), valid);
}

TEST_F(CalendarFile, RandomCalendarsReadBackToTheSameTextAndEntries) {
  for (unsigned seed = 1; seed <= 60; ++seed) {
    std::mt19937 rng(seed);
    CCalDatabase db;
    FillRandomCalendar(db, rng, static_cast<int>(seed * 53 % 520));
    SCOPED_TRACE("seed " + std::to_string(seed));
    ExpectReadsBackWhole(db, CalendarText(db));
  }
}

TEST_F(CalendarFile, TextsThatLookLikeQuotingOrMarkupReadBackUnchanged) {
  for (const std::string text : {"\"", "\"\"", "\"\"\"", "\"a", "a\"", "a\"b\"c", "\"a\"b", "\t",
                                 "\t\t", "a\tb", "\"\ta\"", "\"\"\t\"", "a\t\"b\"", "&lt;<&>",
                                 "Zoë Ωμέγα 日本 🎂", "C:\\pics\\x.jpg", " lead", "trail ", "x\t"}) {
    SCOPED_TRACE(text);
    CCalDatabase db;
    db.SetClipartDirectory(text + "/");
    db.SetTitle(text);
    db.SetFontMainBody(text);
    db.SetTitleFontStyle(text);
    db.SetTitleFontColor(text);
    db.SetBigPicture(0, text, text);
    db.SetBigPicture(1, text, "");
    db.SetBigPicture(2, "", text);
    db.AddExcludedDay({4, 5, text});
    db.SaveHolidayData(3, 4, 1970, kBirthday, text, "/p/" + text, 1, 1);
    const std::string written = CalendarText(db);
    EXPECT_NE(written.find("\n\t\t\n"), std::string::npos)
        << "an empty big picture keeps its two fields";
    ExpectReadsBackWhole(db, written);
  }
}

TEST_F(CalendarFile, LineBreaksBecomeSpacesAndBareNamesGainTheFolderOnce) {
  CCalDatabase db;
  db.SetTitle("two\nlines\r\nhere");
  db.SaveHolidayData(0, 1, 2000, kBirthday, "a\nb", "/p/c\rd.jpg", 0, 1);
  CalEntry bare = *db.EntryAt(0);
  bare.pictureFile = "null";
  db.SaveHolidayData(bare);
  db.SetClipartDirectory("/clip/");
  CCalDatabase back;
  ASSERT_EQ(ReadCalendarText(back, CalendarText(db)), 1);
  EXPECT_EQ(back.Title(), "two lines  here");
  EXPECT_EQ(back.EntryAt(0)->description, "a b");
  EXPECT_EQ(back.EntryAt(0)->pictureFile, "/p/c d.jpg");
  EXPECT_EQ(back.EntryAt(1)->pictureFile, "/clip/null");
  ExpectReadsBackWhole(back, CalendarText(back));
}

// The shipped sample calendar loads whole, its floating entries on their days
// of 2027, and finds every picture it names in the shipped clip-art.
// Calendars as this program saves them, enciphered, beside their text: each
// must read back to that text and seal again to the same bytes, so a change of
// key, chaining, padding or layout, which would lock people out of the
// calendars they saved, fails here.
TEST(SavedCalendars, ReadBackEntryForEntryAndSealToTheSameBytes) {
  const fs::path dir = fs::path(TESSOLAR_TEST_DATA) / "calendars" / "pinned";
  int files = 0;
  for (const auto& item : fs::directory_iterator(dir)) {
    if (item.path().extension() != ".cal") continue;
    ++files;
    SCOPED_TRACE(item.path().filename().string());
    const std::string sealed = ReadFile(item.path());
    ASSERT_EQ(sealed.rfind("cal", 0), 0u) << "not enciphered";
    CCalDatabase db;
    ASSERT_EQ(LoadCalendarFile(db, item.path().string()), 1);
    const std::string text = ReadFile(fs::path(item.path()).replace_extension(".txt"));
    EXPECT_EQ(SealEnvelope(text), sealed);
    // Written before calendars kept a first day of the week: read back, each
    // starts its weeks as its country does.
    std::string withWeekStart = text;
    const std::string country = std::to_string(db.Country());
    const size_t line = withWeekStart.find("\n" + country + "\tCountry\n");
    ASSERT_NE(line, std::string::npos);
    withWeekStart.replace(line, country.size() + 10,
                          "\n" + country + "\t" + std::to_string(UsualFirstWeekday(db.Country())) +
                              "\tCountry, FirstWeekday\n");
    EXPECT_EQ(CalendarText(db), withWeekStart);
  }
  EXPECT_EQ(files, 4);
}

TEST(SampleCalendar, LoadsWholeWithItsFloatingDaysAndShippedPictures) {
  CCalDatabase db;
  ASSERT_EQ(LoadCalendarFile(db, std::string(TESSOLAR_SOURCE_DIR) + "/resources/sample.cal"), 1);
  int floating = 0;
  for (uint32_t i = 0; i < db.Count(); ++i) {
    const CalEntry& e = *db.EntryAt(i);
    if (e.IsFloating()) {
      ++floating;
      EXPECT_EQ(e.day, WeekdayRuleDayOf(e.description, e.weekCode, e.weekday, e.month, 2027));
    }
    if (e.pictureFile.find("null") == std::string::npos) {
      EXPECT_TRUE(fs::is_regular_file(db.PicturePathToShow(e.pictureFile))) << e.pictureFile;
    }
  }
  EXPECT_GE(floating, 1);
  for (int slot = 0; slot < kBigPictureCount; ++slot) {
    EXPECT_TRUE(fs::is_regular_file(db.BigPicturePath(slot))) << slot;
  }
  ExpectReadsBackWhole(db, CalendarText(db));
}

}  // namespace
}  // namespace tessolar
