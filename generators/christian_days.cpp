#include "generators/christian_days.h"

#include <initializer_list>

#include "compute/easter.h"
#include "compute/language_table.h"
#include "generators/countries.h"
#include "generators/stored_year.h"

namespace tessolar {
namespace {

using namespace country;

// The countries that keep a feast, as bits by country index.
using Countries = uint32_t;
constexpr Countries Of(std::initializer_list<int> countries) {
  Countries bits = 0;
  for (const int c : countries) bits |= 1u << c;
  return bits;
}
constexpr Countries kAllCountries = ~Countries{0};
static_assert(kCountryCount <= 32, "a country index is a bit of Countries");
// Ascension and Whitsun are public holidays there; Corpus Christi as well in
// Mexico, Germany and Austria.
constexpr Countries kAscension = Of({kMexico, kGermany, kFrance, kBelgium, kNetherlands, kAustria});
constexpr Countries kCorpusChristi = Of({kMexico, kGermany, kAustria});
constexpr Countries kWhitsun = Of({kGermany, kFrance, kBelgium, kNetherlands, kAustria});

struct ChristianDay {
  int offset;         // days from Easter Sunday
  int languageEntry;  // name in the language table
  const char* picture;
  Countries countries;
};

// Entered and removed in this order.
constexpr ChristianDay kChristianDays[] = {
    {0, 49, "bunnies.gif", kAllCountries},           // Easter Sunday
    {1, 50, "bunny2.gif", kAllCountries},            // Easter Monday
    {-46, 51, "madonna2.jpg", kAllCountries},        // Ash Wednesday
    {-47, 52, "mardi_gras1.jpg", kAllCountries},     // Shrove Tuesday
    {-7, 53, "palm_sunday1.gif", kAllCountries},     // Palm Sunday
    {-2, 54, "good_friday1_tr.gif", kAllCountries},  // Good Friday
    {39, 55, "ascension.jpg", kAscension},           // Ascension
    {60, 58, "christ_cross.jpg", kCorpusChristi},    // Corpus Christi
    {49, 56, "pentecost.jpg", kWhitsun},             // Pentecost
    {50, 57, "st_nicholas.jpg", kWhitsun},           // Whit Monday
};

// Where a country names a feast otherwise than the page language does at
// large: Belgians writing Dutch.
struct LocalName {
  int country, language, languageEntry;
  const char* text;
};
constexpr LocalName kLocalNames[] = {
    {kBelgium, page_language::kDutch, 50, "Paasmaandag"},
    {kBelgium, page_language::kDutch, 55, "O.L.H. Hemelvaart"},
    {kBelgium, page_language::kDutch, 57, "Pinkstermaandag"},
};

bool KeptIn(Countries countries, int country) { return ((countries >> country) & 1u) != 0; }

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

std::string FeastName(int country, int language, int languageEntry) {
  for (const LocalName& local : kLocalNames) {
    if (local.country == country && local.language == language &&
        local.languageEntry == languageEntry) {
      return local.text;
    }
  }
  return LanguageString(language, languageEntry);
}

int GenerateChristianDays(CCalDatabase& db, int year, int remove) {
  if (!IsStoredYear(year)) return 0;
  const int easter = EasterDayOfYear(year);
  // Up to 1752 the dates are Julian, whose February has 29 days in 1700 as well.
  const int februaryDays = EasterFebruaryDays(year);
  const int country = db.Country();
  for (const ChristianDay& row : kChristianDays) {
    if (!KeptIn(row.countries, country)) continue;
    const MonthDay date = DateOfDayOfYear(easter + row.offset, februaryDays);
    const std::string name = FeastName(country, db.Language(), row.languageEntry);
    if (remove) {
      db.RemoveHolidayData(date.month, date.day, year, kChristianHoliday, name, row.picture);
    } else {
      db.ReplaceHolidayData(date.month, date.day, year, kChristianHoliday, name, row.picture);
    }
  }
  return 0;
}

}  // namespace tessolar
