#pragma once
// The texts that depend on the calendar's language: six languages of
// kLanguageEntries texts each. The calendar holds its language and country;
// callers pass them.

#include <string>

#include "compute/language_entries.h"

namespace tessolar {

inline constexpr int kLanguageEntries = 176;
// 0 English, 1 Spanish, 2 German, 3 French, 4 Dutch, 5 Italian.
inline constexpr int kLanguageCount = 6;
// 0 the United States, 1 Canada, 2 the United Kingdom, 3 Australia, 4 Mexico,
// 5 Ireland, 6 Germany, 7 New Zealand, 8 France, 9 Belgium, 10 the
// Netherlands, 11 Italy, 12 Spain, 13 Austria.
inline constexpr int kCountryCount = 14;

// Entry `index` of `language` (English for one out of range); "unknown
// language index" past the end.
std::string LanguageString(int language, int index);

std::string MonthName(int language, int month);      // 0-based; entry 0 when out of range
std::string WeekdayName(int language, int weekday);  // 0 = Sunday; entry 0 when out of range
// How many letters of a weekday's name head its column of a month: as many
// as the language's usual abbreviation has ("LUN", "MA").
size_t WeekdayHeadingLetters(int language);
// The name of language `named` (of country `country`) in `language`.
std::string LanguageName(int language, int named);
std::string CountryName(int language, int country);

}  // namespace tessolar
