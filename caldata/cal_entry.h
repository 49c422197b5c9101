#pragma once
// One entry of the calendar: a user's event or a computed day.

#include <cstdint>
#include <string>
#include <string_view>

#include "compute/date_arithmetic.h"

namespace tessolar {

enum EntryType : uint32_t {
  kAnniversary = 0,
  kBirthday = 1,
  kNationalHoliday = 2,
  kHebrewHoliday = 3,
  kChristianHoliday = 4,
  kAstronomicalDay = 5,  // equinoxes, solstices, full moons
  kSoberAnniversary = 6,
  kReminder = 7,         // shown only in its own year
  kPersonalEvent = 8,
  kHistoricalEvent = 9,
  kEmptyEntry = 10,
};
inline constexpr int kEntryTypeCount = 11;

// Marks of an entry that is deleted but not yet dropped by SortAndCompact.
inline constexpr uint8_t kDeletedMark = 99;
inline constexpr int16_t kDeletedYear = 9999;

struct CalEntry {
  uint8_t day = 0;        // 1..31; 0 in an empty slot; kDeletedMark when deleted
  uint8_t month = 0;      // 0..11; kDeletedMark when deleted
  uint8_t showAge = 0;    // caption carries the age or ordinal
  uint8_t hidden = 0;     // left out of day cells, listed on the hidden-events page
  uint8_t weekday = 0;    // floating entries: 0 = Sunday .. 6
  uint8_t weekCode = 0;   // kWeekFirst..kWeekLast for a floating entry, 0 for a fixed date
  int16_t enteredYear = 0;  // the year as typed in the event dialog
  int16_t year = 0;         // year of the event; kDeletedYear when deleted
  uint32_t type = kEmptyEntry;
  uint32_t index = 0;       // own slot after SortAndCompact; source slot in a copy
  std::string description;
  std::string pictureFile;  // IsNoPicture: none

  bool IsFloating() const { return weekCode >= kWeekFirst && weekCode <= kWeekLast; }
  // Entries that fail this are left out of saved files and of the hidden list.
  bool IsValidForSaving() const {
    return day != 0 && day != kDeletedMark && year != 0 && year != kDeletedYear;
  }
  bool operator==(const CalEntry& other) const;
  bool operator!=(const CalEntry& other) const { return !(*this == other); }
};

// An entry on `day` of `month` (0..11) of `year`, of `type`, with its age or
// ordinal shown; the rest as a new entry has it.
CalEntry DatedEntry(int month, int day, int year, uint32_t type, std::string description,
                    std::string pictureFile);

// The day of its month on which a floating entry falls in `year` by its rule;
// -1 for a fixed entry, a weekday out of range, or a year the rule gives no
// day in (before the weekday rules, Election Day in an odd year).
int RuleDayIn(const CalEntry& entry, int year);

// What an entry or big picture stores for "no picture".
inline constexpr char kNoPicture[] = "null";

// Whether a stored picture name means no picture: empty, or a file named
// "null" in any case, in whatever folder the clip-art folder put in front
// ("/clip/null", "NULL"). A picture such as "nullarbor.jpg" is a picture.
bool IsNoPicture(std::string_view picture);

// Display name of an entry type in `language`; empty for the empty entry or
// an unknown code.
std::string EntryTypeName(int language, uint32_t type);

}  // namespace tessolar
