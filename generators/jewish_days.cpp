#include "generators/jewish_days.h"

#include <cstdint>

#include "compute/date_arithmetic.h"
#include "generators/stored_year.h"
#include "compute/hebrew_calendar.h"

namespace tessolar {
namespace {

struct JewishDay {
  int slot;  // Hebrew month slot 1..13
  int day;
  const char* name;  // the same English name in every language
  const char* picture;
};

constexpr JewishDay kJewishDays[] = {
    {1, 1, "Rosh Hashanah", "rosh_hashana1.gif"},
    {1, 10, "Yom Kippur", "yom_kippur1.jpg"},
    {8, 14, "Passover", "passover1.gif"},
    {8, 27, "Yom Hashoah", "dove_2.jpg"},
    {3, 25, "Hanukkah", "menora2_tr.gif"},
};
constexpr int kJewishDayCount = sizeof(kJewishDays) / sizeof(kJewishDays[0]);

bool HasEntry(const CCalDatabase& db, int month, int day, int year, const std::string& name) {
  for (uint32_t i = 0; i < db.Count(); ++i) {
    const CalEntry* e = db.EntryAt(i);
    if (e->type == kHebrewHoliday && e->description == name && e->month == month && e->day == day &&
        e->year == year) {
      return true;
    }
  }
  return false;
}

// From about 3032 on, 25 Kislev can fall both early in January and late in
// December of one Gregorian year. ReplaceHolidayData would move the first
// entry to the second date, so the second is added beside it, once.
void Enter(CCalDatabase& db, const JewishDay& row, bool secondInYear, int month, int day, int year) {
  if (!secondInYear) {
    db.ReplaceHolidayData(month, day, year, kHebrewHoliday, row.name, row.picture);
  } else if (!HasEntry(db, month, day, year, row.name)) {
    db.SaveHolidayData(month, day, year, kHebrewHoliday, row.name, row.picture, 0, 1);
  }
}

}  // namespace

void GenerateJewishDays(CCalDatabase& db, int year, bool remove) {
  if (!IsStoredYear(year)) return;
  bool seen[kJewishDayCount] = {};
  const int64_t january1 = GregorianJulianDay(year, 0, 1);
  int month = 0;
  int day = 1;
  // Every day of the year, the 366th of a leap year too.
  for (int i = 0; i < DaysInYear(year); ++i) {
    const HebrewDate hebrew = JulianDayToHebrew(january1 + i);
    for (int r = 0; r < kJewishDayCount; ++r) {
      const JewishDay& row = kJewishDays[r];
      if (row.slot != hebrew.month || row.day != hebrew.day) continue;
      if (remove) {
        db.RemoveHolidayData(month, day, year, kHebrewHoliday, row.name, row.picture);
      } else {
        Enter(db, row, seen[r], month, day, year);
      }
      seen[r] = true;
    }
    if (++day > DaysInMonth(month, year)) {
      day = 1;
      ++month;
    }
  }
}

}  // namespace tessolar
