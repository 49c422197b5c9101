#include "caldata/captions.h"

#include <gtest/gtest.h>

#include <string>

#include "compute/language_table.h"

namespace tessolar {
namespace {

// Ordinal suffix by the English rule: "th" for 11..13 themselves, else by the last digit.
std::string ReferenceOrdinal(int n) {
  const char* suffixes[] = {"th", "st", "nd", "rd", "th", "th", "th", "th", "th", "th"};
  return std::to_string(n) + (n >= 11 && n <= 13 ? "th" : suffixes[n % 10]);
}

class CaptionsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SetLanguageIndex(0);
    db_.SetClipartDirectory("/clip/");  // calendar year 2007
  }
  void TearDown() override { SetLanguageIndex(0); }

  void Add(int month, int day, int year, uint32_t type, const std::string& description,
           const std::string& picture = "null", int showAge = 0, int hidden = 0) {
    db_.SaveHolidayData(month, day, year, type, description, picture, hidden, showAge);
    db_.SortAndCompact();
  }

  CCalDatabase db_;
};

TEST_F(CaptionsTest, CaptionsByTypeAgeAndLength) {
  EXPECT_EQ(AnniversaryOrdinal(db_, 2010), "unk");
  for (int n = 1; n <= 400; ++n) EXPECT_EQ(AnniversaryOrdinal(db_, 2007 - n), ReferenceOrdinal(n)) << n;
  const struct {
    uint32_t type;
    int year, showAge;
    const char *description, *caption;
  } cases[] = {
      {kNationalHoliday, 1950, 1, "Plain", "Plain"},
      {kReminder, 1950, 1, "Plain", "Plain"},
      {kHistoricalEvent, 1776, 0, "Independence", "Independence 1776"},
      {kHistoricalEvent, -44, 0, "Caesar", "Caesar 44 BCE"},
      {kBirthday, 1950, 0, "Ann", "Ann's B'day"},
      {12, 1950, 0, "Ann", "Ann's UNKNOWN"},
      {kBirthday, 1950, 1, "Ann", "Ann turns 57"},
      {kBirthday, 1950, 1, "Ann & Bob", "Ann & Bob turn 57"},
      {kBirthday, 2007, 1, "Ann", "Ann is born"},
      // Anniversaries drop their word past 16 characters, counted as characters, not bytes.
      {kAnniversary, 1982, 0, "Ann & Bob", "Ann & Bob's 25th"},
      {kAnniversary, 1982, 0, "Al", "Al's 25th Anniv"},
      {kAnniversary, 2006, 0, "Zoëy", "Zoëy's 1st Anniv"},
      {kAnniversary, 2006, 0, "Zoeys", "Zoeys's 1st"},
      {kSoberAnniversary, 1982, 0, "Ann & Bob", "Ann & Bob's 25th AA"},
  };
  for (const auto& c : cases) EXPECT_EQ(EntryCaption(db_, c.type, c.year, c.description, c.showAge), c.caption);
  SetLanguageIndex(2);
  EXPECT_EQ(EntryCaption(db_, kBirthday, 1950, "Ann", 1), "Ann " + LanguageString(130) + " 57");
  EXPECT_EQ(EntryCaption(db_, kBirthday, 2007, "Ann", 1), "Ann " + LanguageString(131));
}

TEST_F(CaptionsTest, DropChoiceCaptionsAreEnglishAndAgePhrasesAreForBirthdaysOnly) {
  SetLanguageIndex(1);
  const struct {
    uint32_t type;
    int year, showAge;
    const char* caption;
  } cases[] = {{kBirthday, 1950, 1, "Ann & Bob are 57"},     {kBirthday, 2007, 1, "Ann & Bob is born"},
               {kBirthday, 2007, 0, "Ann & Bob's B'day"},    {kHistoricalEvent, 2007, 0, "Ann & Bob"},
               {kPersonalEvent, 2007, 1, "Ann & Bob"},       {kAnniversary, 1982, 1, "Ann & Bob's 25th"}};
  for (const auto& c : cases) {
    CalEntry e;
    e.type = c.type;
    e.year = static_cast<int16_t>(c.year);
    e.showAge = static_cast<uint8_t>(c.showAge);
    e.description = "Ann & Bob";
    EXPECT_EQ(DropChoiceCaption(db_, e), c.caption);
  }
}

TEST_F(CaptionsTest, ShownEntriesSkipLaterYearsHiddenEntriesAndOtherYearsReminders) {
  Add(2, 5, 2010, kBirthday, "Later");
  Add(2, 5, 1990, kPersonalEvent, "Hidden", "null", 0, 1);
  Add(2, 5, 2006, kReminder, "Last year's reminder");
  EXPECT_EQ(DayHasEntries(db_, 2, 5), 0);
  EXPECT_EQ(DayEntryCaption(db_, 2, 5, 0), "");
  Add(2, 5, 2007, kReminder, "Dentist");
  Add(2, 5, 1950, kBirthday, "Ann", "null", 1);
  Add(2, 5, 2007, kNationalHoliday, "Holiday");
  EXPECT_EQ(DayHasEntries(db_, 2, 5), 1);
  EXPECT_EQ(DayHasHoliday(db_, 2, 5), 1);
  // Store order within the day is by year; each shown entry names its slot.
  const char* shown[] = {"Ann turns 57", "Dentist", "Holiday", ""};
  for (int k = 0; k < 4; ++k) {
    EXPECT_EQ(DayEntryCaption(db_, 2, 5, k), shown[k]);
    const CalEntry* stored = db_.EntryAt(DayEntrySlot(db_, 2, 5, k));
    if (k < 3) {
      EXPECT_EQ(EntryCaption(db_, stored->type, stored->year, stored->description, stored->showAge),
                shown[k]);
    }
  }
  Add(3, 1, 2000, kPersonalEvent, "Party");
  EXPECT_EQ(DayHasHoliday(db_, 3, 1), 0);
}

TEST_F(CaptionsTest, PicturesFallBackToTheBirthdayBearOrNull) {
  const std::string existing = std::string(TESSOLAR_TEST_DATA) + "/pictures/screen_320x240.gif";
  const struct {
    uint32_t type;
    std::string picture, shown;
  } cases[] = {{kBirthday, "null", "/clip/birthday_bear.gif"},
               {kBirthday, "/nowhere/gone.gif", "/clip/birthday_bear.gif"},
               {kNationalHoliday, "/nowhere/gone.gif", "null"},
               {kPersonalEvent, existing, existing}};
  int day = 1;
  for (const auto& c : cases) {
    Add(4, day, 1980, c.type, "Someone", c.picture);
    EXPECT_EQ(DayEntryPicture(db_, 4, day++, 0), c.shown) << c.type << " " << c.picture;
  }
}

TEST(CaptionWidth, WeighsCharactersNotBytes) {
  const std::pair<const char*, int> cases[] = {{"Will", 8}, {"Mill", 7}, {"tW", 7}, {", .'jt", 10},
                                               {"Ñandú", 15}, {"\xff\xfe", 6}, {"", 0}};
  for (const auto& [text, width] : cases) EXPECT_EQ(CaptionWidth(text), width) << text;
}

}  // namespace
}  // namespace tessolar
