#include "caldata/captions.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "compute/language_table.h"

namespace tessolar {
namespace {

// Ordinal suffix by the English rule, computed from the last two digits.
std::string ReferenceOrdinal(int n) {
  const int lastTwo = n % 100;
  const int last = n % 10;
  const char* suffix = "th";
  if (last == 1) suffix = "st";
  if (last == 2) suffix = "nd";
  if (last == 3) suffix = "rd";
  if (lastTwo >= 11 && lastTwo <= 13 && n < 100) suffix = "th";  // only 11..13 themselves
  return std::to_string(n) + suffix;
}

class CaptionsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SetLanguageIndex(0);
    db_.SetYear(2007);
    db_.SetClipartDirectory("/clip/");
  }
  void TearDown() override { SetLanguageIndex(0); }

  uint32_t Add(int month, int day, int year, uint32_t type, const std::string& description,
               const std::string& picture = "null", int showAge = 0, int hidden = 0) {
    const uint32_t slot =
        db_.SaveHolidayData(month, day, year, type, description, picture, hidden, showAge);
    db_.SortAndCompact();
    return slot;
  }

  CCalDatabase db_;
};

TEST_F(CaptionsTest, OrdinalsFollowTheEnglishRuleWithOnlyElevenToThirteenExcepted) {
  EXPECT_EQ(AnniversaryOrdinal(db_, 2006), "1st");
  EXPECT_EQ(AnniversaryOrdinal(db_, 1996), "11th");
  EXPECT_EQ(AnniversaryOrdinal(db_, 1986), "21st");
  EXPECT_EQ(AnniversaryOrdinal(db_, 1896), "111st");
  EXPECT_EQ(AnniversaryOrdinal(db_, 2007), "unk");
  EXPECT_EQ(AnniversaryOrdinal(db_, 2010), "unk");
  for (int n = 1; n <= 400; ++n) {
    EXPECT_EQ(AnniversaryOrdinal(db_, 2007 - n), ReferenceOrdinal(n)) << n;
  }
}

TEST_F(CaptionsTest, AnniversaryCaptionDropsItsWordWhenLongerThanSixteenCharacters) {
  // "Ann & Bob's 25th Anniv" is 22 characters.
  EXPECT_EQ(EntryCaption(db_, kAnniversary, 1982, "Ann & Bob", 0), "Ann & Bob's 25th");
  // "Al's 25th Anniv" is 15.
  EXPECT_EQ(EntryCaption(db_, kAnniversary, 1982, "Al", 0), "Al's 25th Anniv");
  // Exactly 16 characters keeps the word; the count is of characters, not bytes:
  // "Zoë's 1st Anniv" plus one letter is 16 characters but 17 bytes.
  EXPECT_EQ(EntryCaption(db_, kAnniversary, 2006, "Zoëy", 0), "Zoëy's 1st Anniv");
  EXPECT_EQ(EntryCaption(db_, kAnniversary, 2006, "Zoeys", 0), "Zoeys's 1st");
  // Sober anniversaries are never shortened.
  EXPECT_EQ(EntryCaption(db_, kSoberAnniversary, 1982, "Ann & Bob", 0), "Ann & Bob's 25th AA");
}

TEST_F(CaptionsTest, CaptionsByTypeAndShowAge) {
  for (uint32_t type : {kNationalHoliday, kHebrewHoliday, kChristianHoliday, kAstronomicalDay,
                        kPersonalEvent, kReminder}) {
    EXPECT_EQ(EntryCaption(db_, type, 1950, "Plain", 1), "Plain") << type;
  }
  EXPECT_EQ(EntryCaption(db_, kHistoricalEvent, 1776, "Independence", 0), "Independence 1776");
  EXPECT_EQ(EntryCaption(db_, kHistoricalEvent, -44, "Caesar", 0), "Caesar 44 BCE");
  EXPECT_EQ(EntryCaption(db_, kBirthday, 1950, "Ann", 0), "Ann's B'day");
  EXPECT_EQ(EntryCaption(db_, 12, 1950, "Ann", 0), "Ann's UNKNOWN");
  EXPECT_EQ(EntryCaption(db_, kBirthday, 1950, "Ann", 1), "Ann turns 57");
  EXPECT_EQ(EntryCaption(db_, kBirthday, 1950, "Ann & Bob", 1), "Ann & Bob turn 57");
  EXPECT_EQ(EntryCaption(db_, kBirthday, 2007, "Ann", 1), "Ann is born");
  EXPECT_EQ(EntryCaption(db_, kBirthday, 2010, "Ann", 1), "Ann turns -3");
  SetLanguageIndex(2);
  EXPECT_EQ(EntryCaption(db_, kBirthday, 1950, "Ann", 1), "Ann " + LanguageString(130) + " 57");
  EXPECT_EQ(EntryCaption(db_, kBirthday, 2007, "Ann", 1), "Ann " + LanguageString(131));
}

TEST_F(CaptionsTest, DropChoiceCaptionsAreEnglishAndAgePhrasesAreForBirthdaysOnly) {
  SetLanguageIndex(1);
  CalEntry e;
  e.description = "Ann";
  e.year = 1950;
  e.showAge = 1;
  e.type = kBirthday;
  EXPECT_EQ(DropChoiceCaption(db_, e), "Ann is 57");
  e.description = "Ann & Bob";
  EXPECT_EQ(DropChoiceCaption(db_, e), "Ann & Bob are 57");
  e.year = 2007;
  EXPECT_EQ(DropChoiceCaption(db_, e), "Ann & Bob is born");
  e.showAge = 0;
  EXPECT_EQ(DropChoiceCaption(db_, e), "Ann & Bob's B'day");
  e.type = kHistoricalEvent;
  EXPECT_EQ(DropChoiceCaption(db_, e), "Ann & Bob");
  e.type = kPersonalEvent;
  e.showAge = 1;
  EXPECT_EQ(DropChoiceCaption(db_, e), "Ann & Bob");
  e.type = kAnniversary;
  e.year = 1982;
  EXPECT_EQ(DropChoiceCaption(db_, e), "Ann & Bob's 25th");
}

TEST_F(CaptionsTest, ShownEntriesSkipLaterYearsHiddenEntriesAndOtherYearsReminders) {
  Add(2, 5, 2010, kBirthday, "Later");
  EXPECT_EQ(DayHasEntries(db_, 2, 5), 0);
  EXPECT_EQ(DayEntryCaption(db_, 2, 5, 0), "");
  EXPECT_EQ(DayEntryPicture(db_, 2, 5, 0), "");
  EXPECT_EQ(DayEntrySlot(db_, 2, 5, 0), 0u);

  Add(2, 5, 1990, kPersonalEvent, "Hidden", "null", 0, 1);
  Add(2, 5, 2006, kReminder, "Last year's reminder");
  EXPECT_EQ(DayHasEntries(db_, 2, 5), 0);

  Add(2, 5, 2007, kReminder, "Dentist");
  Add(2, 5, 1950, kBirthday, "Ann", "null", 1);
  Add(2, 5, 2007, kNationalHoliday, "Holiday");
  EXPECT_EQ(DayHasEntries(db_, 2, 5), 1);
  EXPECT_EQ(DayHasHoliday(db_, 2, 5), 1);
  // Store order within the day is by year.
  EXPECT_EQ(DayEntryCaption(db_, 2, 5, 0), "Ann turns 57");
  EXPECT_EQ(DayEntryCaption(db_, 2, 5, 1), "Dentist");
  EXPECT_EQ(DayEntryCaption(db_, 2, 5, 2), "Holiday");
  EXPECT_EQ(DayEntryCaption(db_, 2, 5, 3), "");
  EXPECT_EQ(DayEntryCaption(db_, 2, 5, -1), "");
  for (int k = 0; k < 3; ++k) {
    const CalEntry* stored = db_.EntryAt(DayEntrySlot(db_, 2, 5, k));
    ASSERT_NE(stored, nullptr);
    EXPECT_EQ(EntryCaption(db_, stored->type, stored->year, stored->description, stored->showAge),
              DayEntryCaption(db_, 2, 5, k));
  }

  Add(3, 1, 2000, kPersonalEvent, "Party");
  EXPECT_EQ(DayHasEntries(db_, 3, 1), 1);
  EXPECT_EQ(DayHasHoliday(db_, 3, 1), 0);
}

TEST_F(CaptionsTest, PicturesFallBackToTheBirthdayBearOrNull) {
  const std::string existing = std::string(TESSOLAR_TEST_DATA) + "/pictures/screen_320x240.gif";
  Add(4, 1, 1980, kBirthday, "NoPicture", "null");
  Add(4, 2, 1980, kBirthday, "Missing", "/nowhere/gone.gif");
  Add(4, 3, 1980, kNationalHoliday, "Holiday", "/nowhere/gone.gif");
  Add(4, 4, 1980, kNationalHoliday, "HolidayNull", "null");
  Add(4, 5, 1980, kPersonalEvent, "Present", existing);
  Add(4, 6, 1980, kBirthday, "Present", existing);
  EXPECT_EQ(DayEntryPicture(db_, 4, 1, 0), "/clip/birthday_bear.gif");
  EXPECT_EQ(DayEntryPicture(db_, 4, 2, 0), "/clip/birthday_bear.gif");
  EXPECT_EQ(DayEntryPicture(db_, 4, 3, 0), "null");
  EXPECT_EQ(DayEntryPicture(db_, 4, 4, 0), "null");
  EXPECT_EQ(DayEntryPicture(db_, 4, 5, 0), existing);
  EXPECT_EQ(DayEntryPicture(db_, 4, 6, 0), existing);
}

TEST(CaptionWidth, WeighsCharactersNotBytes) {
  EXPECT_EQ(CaptionWidth("Will"), 8);
  EXPECT_EQ(CaptionWidth("Mill"), 7);
  EXPECT_EQ(CaptionWidth("tW"), 7);
  EXPECT_EQ(CaptionWidth(", .'jt"), 1 + 2 + 1 + 2 + 2 + 2);
  EXPECT_EQ(CaptionWidth("é"), 3);     // two bytes, one character
  EXPECT_EQ(CaptionWidth("Ñandú"), 15);
  EXPECT_EQ(CaptionWidth("\xff\xfe"), 6);  // malformed bytes weigh 3 each
  EXPECT_EQ(CaptionWidth(""), 0);
}

}  // namespace
}  // namespace tessolar
