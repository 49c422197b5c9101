#include "generators/christian_days.h"

#include "compute/easter.h"
#include "generators/stored_year.h"
#include "compute/language_table.h"

namespace tessolar {
namespace {

constexpr int kMexico = 4;
constexpr int kGermany = 6;

enum Countries { kAllCountries, kMexicoAndGermany, kGermanyOnly };

struct ChristianDay {
  int offset;         // days from Easter Sunday
  int languageEntry;  // name in the language table
  const char* picture;
  Countries countries;
};

// Entered and removed in this order.
constexpr ChristianDay kChristianDays[] = {
    {0, 49, "bunnies.gif", kAllCountries},            // Easter Sunday
    {1, 50, "bunny2.gif", kAllCountries},             // Easter Monday
    {-46, 51, "madonna2.jpg", kAllCountries},         // Ash Wednesday
    {-47, 52, "mardi_gras1.jpg", kAllCountries},      // Shrove Tuesday
    {-7, 53, "palm_sunday1.gif", kAllCountries},      // Palm Sunday
    {-2, 54, "good_friday1_tr.gif", kAllCountries},   // Good Friday
    {39, 55, "ascension.jpg", kMexicoAndGermany},     // Ascension
    {60, 58, "christ_cross.jpg", kMexicoAndGermany},  // Corpus Christi
    {49, 56, "pentecost.jpg", kGermanyOnly},          // Pentecost
    {50, 57, "st_nicholas.jpg", kGermanyOnly},        // Whit Monday
};

bool KeptIn(Countries countries, int country) {
  switch (countries) {
    case kAllCountries: return true;
    case kMexicoAndGermany: return country == kMexico || country == kGermany;
    case kGermanyOnly: return country == kGermany;
  }
  return false;
}

struct MonthDay {
  int month;  // 0-based
  int day;
};

// Month and day of day `dayOfYear` (1 = 1 January) of a year whose February has
// `februaryDays`; every feast falls between February and June.
MonthDay DateOfDayOfYear(int dayOfYear, int februaryDays) {
  const int lengths[] = {31, februaryDays, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  int month = 0;
  while (month < 11 && dayOfYear > lengths[month]) dayOfYear -= lengths[month++];
  return {month, dayOfYear};
}

}  // namespace

int GenerateChristianDays(CCalDatabase& db, int year, int remove) {
  if (!IsStoredYear(year)) return 0;
  const int easter = EasterDayOfYear(year);
  // Up to 1752 the dates are Julian, whose February has 29 days in 1700 as well.
  const int februaryDays = EasterFebruaryDays(year);
  const int country = db.Country();
  for (const ChristianDay& row : kChristianDays) {
    if (!KeptIn(row.countries, country)) continue;
    const MonthDay date = DateOfDayOfYear(easter + row.offset, februaryDays);
    const std::string name = LanguageString(db.Language(), row.languageEntry);
    if (remove) {
      db.RemoveHolidayData(date.month, date.day, year, kChristianHoliday, name, row.picture);
    } else {
      db.ReplaceHolidayData(date.month, date.day, year, kChristianHoliday, name, row.picture);
    }
  }
  return 0;
}

}  // namespace tessolar
