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
  const struct {
    uint32_t type;
    int year, showAge;
    const char* description;
    const char* caption;
  } cases[] = {{kBirthday, 1950, 1, "Ann", "Ann is 57"},
               {kBirthday, 1950, 1, "Ann & Bob", "Ann & Bob are 57"},
               {kBirthday, 2007, 1, "Ann & Bob", "Ann & Bob is born"},
               {kBirthday, 2007, 0, "Ann & Bob", "Ann & Bob's B'day"},
               {kHistoricalEvent, 2007, 0, "Ann & Bob", "Ann & Bob"},
               {kPersonalEvent, 2007, 1, "Ann & Bob", "Ann & Bob"},
               {kAnniversary, 1982, 1, "Ann & Bob", "Ann & Bob's 25th"}};
  for (const auto& c : cases) {
    CalEntry e;
    e.type = c.type;
    e.year = static_cast<int16_t>(c.year);
    e.showAge = static_cast<uint8_t>(c.showAge);
    e.description = c.description;
    EXPECT_EQ(DropChoiceCaption(db_, e), c.caption);
  }
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
  const struct {
    uint32_t type;
    std::string picture, shown;
  } cases[] = {{kBirthday, "null", "/clip/birthday_bear.gif"},
               {kBirthday, "/nowhere/gone.gif", "/clip/birthday_bear.gif"},
               {kNationalHoliday, "/nowhere/gone.gif", "null"},
               {kNationalHoliday, "null", "null"},
               {kPersonalEvent, existing, existing},
               {kBirthday, existing, existing}};
  int day = 1;
  for (const auto& c : cases) {
    Add(4, day, 1980, c.type, "Someone", c.picture);
    EXPECT_EQ(DayEntryPicture(db_, 4, day++, 0), c.shown) << c.type << " " << c.picture;
  }
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
