#pragma once
// The texts that depend on the calendar's language: three languages of
// kLanguageEntries texts each. The calendar holds its language and country;
// callers pass them.

#include <string>

namespace tessolar {

inline constexpr int kLanguageEntries = 138;
inline constexpr int kLanguageCount = 3;
inline constexpr int kCountryCount = 14;

// Well-known entries of the table.
namespace lang {
inline constexpr int kOutOfRange = 0;
inline constexpr int kFirstLanguageName = 1;
inline constexpr int kFirstCountryName = 4;
inline constexpr int kFirstMonthName = 12;
inline constexpr int kFirstWeekdayName = 24;
inline constexpr int kAstronomicalDay = 63;
}  // namespace lang

// Entry `index` of `language` (0 to 2; English for others); "unknown
// language index" past the end.
std::string LanguageString(int language, int index);

std::string MonthName(int language, int month);      // 0-based; entry 0 when out of range
std::string WeekdayName(int language, int weekday);  // 0 = Sunday; entry 0 when out of range
// The name of language `named` (of country `country`) in `language`.
std::string LanguageName(int language, int named);
std::string CountryName(int language, int country);

}  // namespace tessolar
