// The typed day and year of the event dialog: what passes, and what the user is told.

#include <gtest/gtest.h>

#include "app/flows/event_entry_check.h"

namespace tessolar {
namespace {

TEST(EventEntryCheck, DayMustBeADayOfTheMonthInTheCalendarYearAndYearANonZeroNumber) {
  struct Case {
    int month;
    bool fixed;
    const char* day;
    const char* year;
    int calendarYear;
    EntryField field;
    const char* message;  // a part of it; empty when the fields pass
  };
  const Case cases[] = {
      {1, true, "28", "1985", 2025, EntryField::kNone, ""},
      {1, true, "29", "1985", 2024, EntryField::kNone, ""},  // leap year
      {1, true, "29", "1985", 2025, EntryField::kDay,
       "February 2025 has no day 29: type a day from 1 to 28."},
      {1, true, "31", "1985", 2025, EntryField::kDay, "February 2025 has no day 31"},
      {3, true, " 31 ", "1985", 2025, EntryField::kDay, "April 2025 has no day 31"},
      {11, true, "31", "1985", 2025, EntryField::kNone, ""},
      {0, true, "0", "1985", 2025, EntryField::kDay, "has no day 0"},
      {0, true, "-3", "1985", 2025, EntryField::kDay, "has no day -3"},
      {0, true, "", "1985", 2025, EntryField::kDay,
       "The day must be a number from 1 to 31 (January 2025)."},
      {0, true, "3x", "1985", 2025, EntryField::kDay, "must be a number"},
      {0, true, "99999999999", "1985", 2025, EntryField::kDay, "must be a number"},
      // A floating date's day is computed, whatever the day box holds.
      {1, false, "31", "1985", 2025, EntryField::kNone, ""},
      {1, false, "", "1985", 2025, EntryField::kNone, ""},
      // The day is checked before the year.
      {1, true, "30", "x", 2025, EntryField::kDay, "no day 30"},
      {0, true, "1", "-753", 2025, EntryField::kNone, ""},
      {0, true, "1", "+9998", 2025, EntryField::kNone, ""},
      {0, true, "1", "-9998", 2025, EntryField::kNone, ""},
      {0, true, "1", "", 2025, EntryField::kYear, "The year must be a number"},
      {0, true, "1", "19 85", 2025, EntryField::kYear, "The year must be a number"},
      {0, true, "1", "-", 2025, EntryField::kYear, "The year must be a number"},
      {0, true, "1", "0", 2025, EntryField::kYear, "between -9998 and 9998, and cannot be 0."},
      {0, true, "1", "9999", 2025, EntryField::kYear, "cannot be 0"},
      {0, true, "1", "-10000", 2025, EntryField::kYear, "cannot be 0"},
  };
  for (const Case& c : cases) {
    const EntryProblem problem = CheckEventEntry(c.month, c.fixed, c.day, c.year, c.calendarYear);
    SCOPED_TRACE(std::string("day '") + c.day + "' year '" + c.year + "'");
    EXPECT_EQ(problem.field, c.field);
    const std::string message = English(problem.message);
    EXPECT_NE(message.find(c.message), std::string::npos) << message;
    EXPECT_EQ(message.empty(), c.field == EntryField::kNone);
  }
}

TEST(EventEntryCheck, DescriptionsLoseTabsAndLineBreaksAndEmptyOnesAreUnknown) {
  EXPECT_EQ(StoredDescription("Ann\tand\r\nBob\n"), "Ann and  Bob ");
  EXPECT_EQ(StoredDescription("Zoë & Ümit"), "Zoë & Ümit");
  EXPECT_EQ(StoredDescription(""), "unknown");
}

}  // namespace
}  // namespace tessolar
