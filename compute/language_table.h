#pragma once
// The texts that depend on the calendar's language (three languages of
// kLanguageEntries texts each) and the process-wide language and country
// selections that the computations and pages read.

#include <string>

namespace tessolar {

inline constexpr int kLanguageEntries = 138;
inline constexpr int kLanguageCount = 3;
inline constexpr int kCountryCount = 8;

// Well-known entries of the table.
namespace lang {
inline constexpr int kOutOfRange = 0;
inline constexpr int kFirstLanguageName = 1;
inline constexpr int kFirstCountryName = 4;
inline constexpr int kFirstMonthName = 12;
inline constexpr int kFirstWeekdayName = 24;
inline constexpr int kAstronomicalDay = 63;
}  // namespace lang

// Entry `index` of the current language; "unknown language index" past the end.
std::string LanguageString(int index);
// Same, of an explicit language (0 to 2); used where the language is not the current one.
std::string LanguageStringOf(int language, int index);

std::string MonthName(int month);      // 0-based; entry 0 when out of range
std::string WeekdayName(int weekday);  // 0 = Sunday; entry 0 when out of range
std::string LanguageName(int language);
std::string CountryName(int country);

int GetLanguageIndex();
void SetLanguageIndex(int language);  // ignores values outside 0..2
int GetCountryIndex();
void SetCountryIndex(int country);    // ignores values outside 0..7

}  // namespace tessolar
