#include <gtest/gtest.h>

#include <random>
#include <string>

#include "caldata/cal_database.h"
#include "caldata/calendar_file.h"
#include "caldata/calendar_text.h"
#include "caldata/calendar_text_reader.h"
#include "caldata/random_calendar_support.h"
#include "compute/language_table.h"

namespace tessolar {
namespace {

class CalendarRoundTrip : public ::testing::Test {
 protected:
  void TearDown() override {
    SetLanguageIndex(0);
    SetCountryIndex(0);
  }

  // Reads `text` into a fresh store and checks that it gives the same text
  // and the same entries, slot by slot.
  static void ExpectReadsBackWhole(const CCalDatabase& db, const std::string& text) {
    CCalDatabase back;
    ASSERT_EQ(ReadCalendarText(back, text), 1);
    EXPECT_EQ(CalendarText(back), text);
    uint32_t valid = 0;
    for (uint32_t i = 0; i < db.Count(); ++i) {
      if (!db.EntryAt(i)->IsValidForSaving()) continue;
      ASSERT_LT(valid, back.Count());
      CalEntry expected = *db.EntryAt(i);
      expected.index = valid;
      EXPECT_EQ(*back.EntryAt(valid++), expected) << "entry " << i << ": " << expected.description;
    }
    EXPECT_EQ(back.Count(), valid);
  }
};

TEST_F(CalendarRoundTrip, RandomCalendarsReadBackToTheSameTextAndEntries) {
  for (unsigned seed = 1; seed <= 60; ++seed) {
    std::mt19937 rng(seed);
    CCalDatabase db;
    FillRandomCalendar(db, rng, static_cast<int>(seed * 53 % 520));
    SCOPED_TRACE("seed " + std::to_string(seed));
    ExpectReadsBackWhole(db, CalendarText(db));
  }
}

TEST_F(CalendarRoundTrip, AFullTableOfFiveHundredEntriesSavesAndLoadsWhole) {
  std::mt19937 rng(500);
  CCalDatabase db;
  FillRandomCalendar(db, rng, 2000);
  ASSERT_EQ(db.Count(), kMaxEntries);
  for (uint32_t i = 0; i < db.Count(); ++i) ASSERT_TRUE(db.EntryAt(i)->IsValidForSaving());
  const std::string path = ::testing::TempDir() + "full.cal";
  std::string message;
  ASSERT_EQ(SaveCalendarFile(db, path, &message), 0) << message;
  CCalDatabase back;
  ASSERT_EQ(LoadCalendarFile(back, path), 1);
  EXPECT_EQ(CalendarText(back), CalendarText(db));
  EXPECT_NE(CalendarText(db).find("\n500\n"), std::string::npos);
}

TEST_F(CalendarRoundTrip, TextsThatLookLikeQuotingOrMarkupReadBackUnchanged) {
  for (const std::string text : {"\"", "\"\"", "\"\"\"", "\"a", "a\"", "a\"b\"c", "\"a\"b", "\t", "\t\t", "a\tb",
                                 "\"\ta\"", "\"\"\t\"", "a\t\"b\"", "&lt;<&>", "Zoë Ωμέγα 日本 🎂",
                                 "C:\\pics\\x.jpg", " lead", "trail ", "x\t"}) {
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
    EXPECT_NE(written.find("\n\t\t\n"), std::string::npos) << "an empty big picture keeps its two fields";
    ExpectReadsBackWhole(db, written);
  }
}

TEST_F(CalendarRoundTrip, LineBreaksBecomeSpacesAndBareNamesGainTheFolderOnce) {
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

}  // namespace
}  // namespace tessolar
