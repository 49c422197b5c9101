#include "compute/language_table.h"

#include <array>
#include <cstdlib>
#include <string_view>

namespace tessolar::embedded {
extern const std::string_view kLanguageEnglish;
extern const std::string_view kLanguageSpanish;
extern const std::string_view kLanguageGerman;
extern const std::string_view kLanguageFrench;
extern const std::string_view kLanguageDutch;
extern const std::string_view kLanguageItalian;
}  // namespace tessolar::embedded

namespace tessolar {
namespace {

using LanguageRow = std::array<std::string, kLanguageEntries>;

// Parses one table file: "NNN<TAB>text" lines, '#' comments, blank lines.
// The files are compiled in and checked by the tests, so a malformed one is a
// build fault; it still must not take the program down, so gaps stay empty.
LanguageRow ParseRow(std::string_view text) {
  LanguageRow row;
  while (!text.empty()) {
    const size_t eol = text.find('\n');
    std::string_view line = text.substr(0, eol);
    text = eol == std::string_view::npos ? std::string_view() : text.substr(eol + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.empty() || line.front() == '#') continue;
    const size_t tab = line.find('\t');
    if (tab == std::string_view::npos) continue;
    const int index = std::atoi(std::string(line.substr(0, tab)).c_str());
    if (index >= 0 && index < kLanguageEntries) row[index] = std::string(line.substr(tab + 1));
  }
  return row;
}

const std::array<LanguageRow, kLanguageCount>& Table() {
  static const std::array<LanguageRow, kLanguageCount> table = {
      ParseRow(embedded::kLanguageEnglish),
      ParseRow(embedded::kLanguageSpanish),
      ParseRow(embedded::kLanguageGerman),
      ParseRow(embedded::kLanguageFrench),
      ParseRow(embedded::kLanguageDutch),
      ParseRow(embedded::kLanguageItalian),
  };
  return table;
}

}  // namespace

std::string LanguageString(int language, int index) {
  if (index < 0 || index >= kLanguageEntries) return "unknown language index";
  if (language < 0 || language >= kLanguageCount) language = 0;
  return Table()[language][index];
}

std::string MonthName(int language, int month) {
  return LanguageString(language,
                        month >= 0 && month < 12 ? lang::kFirstMonthName + month : lang::kOutOfRange);
}

std::string WeekdayName(int language, int weekday) {
  return LanguageString(language, weekday >= 0 && weekday < 7 ? lang::kFirstWeekdayName + weekday
                                                              : lang::kOutOfRange);
}

size_t WeekdayHeadingLetters(int language) {
  // Dutch abbreviates its weekdays to two letters ("ma", "di", "wo").
  constexpr size_t kLetters[kLanguageCount] = {3, 3, 3, 3, 2, 3};
  return language >= 0 && language < kLanguageCount ? kLetters[language] : 3;
}

std::string LanguageName(int language, int named) {
  // The first names fill the entries before the country names; later ones were appended.
  constexpr int kFirstLater = lang::kFirstCountryName - lang::kFirstLanguageName;
  return LanguageString(language, named < kFirstLater
                                      ? lang::kFirstLanguageName + named
                                      : lang::kLaterLanguageName + named - kFirstLater);
}

std::string CountryName(int language, int country) {
  constexpr int kFirstLater = lang::kFirstMonthName - lang::kFirstCountryName;
  return LanguageString(language, country < kFirstLater
                                      ? lang::kFirstCountryName + country
                                      : lang::kLaterCountryName + country - kFirstLater);
}

}  // namespace tessolar
