#include "compute/language_table.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>

namespace tessolar {
namespace {

// Names and words that other languages write as English does.
const std::set<std::string> kAsInEnglish = {
    "Canada", "Australia", "Mexico", "France", "Austria", "Cinco de Mayo", "Halloween", "April",
    "August", "Corpus Christi", "September", "November", "December",
    // Jewish days many languages write in the same transliteration.
    "Sukkot", "Sukkot II", "Tu BiShvat", "Purim", "Yom HaZikaron", "Yom HaAtzmaut", "Lag BaOmer",
    "Shavuot", "Shavuot II",
    // Dutch names the week as English does.
    "Week {week}"};

// No entry is empty or left in English; each welcome text holds the word its
// link shows; every language and country has a name of its own in every
// language, the later ones from the entries appended for them.
TEST(LanguageTable, EveryLanguageHasEveryEntryAndNameInItsOwnWords) {
  const char* const ownNames[] = {"English",  "Español",    "Deutsch",
                                  "Français", "Nederlands", "Italiano"};
  const char* const laterCountries[] = {"France", "Belgium", "Netherlands",
                                        "Italy",  "Spain",   "Austria"};
  for (int language = 0; language < kLanguageCount; ++language) {
    for (int entry = 0; entry < kLanguageEntries; ++entry) {
      const std::string text = LanguageString(language, entry);
      EXPECT_FALSE(text.empty()) << language << " " << entry;
      if (language != 0 && text == LanguageString(0, entry)) {
        EXPECT_EQ(kAsInEnglish.count(text), 1u) << language << " " << entry << " " << text;
      }
    }
    for (const auto& [text, word] :
         {std::pair(lang::kNewCalendarText, lang::kNewCalendarLinkWord),
          std::pair(lang::kOpenCalendarText, lang::kSavedCalendarLinkWord)}) {
      EXPECT_NE(LanguageString(language, text).find(LanguageString(language, word)),
                std::string::npos)
          << language << " " << text;
    }
    std::set<std::string> names = {"unknown language index"};
    for (int named = 0; named < kLanguageCount; ++named)
      names.insert(LanguageName(language, named));
    for (int country = 0; country < kCountryCount; ++country) {
      names.insert(CountryName(language, country));
    }
    EXPECT_EQ(names.size(), static_cast<size_t>(1 + kLanguageCount + kCountryCount)) << language;
    EXPECT_EQ(LanguageName(language, language), ownNames[language]);
    EXPECT_EQ(CountryName(0, 8 + language), laterCountries[language]);
  }
  EXPECT_EQ(CountryName(3, 7), "Nouvelle-Zélande");
  EXPECT_EQ(LanguageString(5, kLanguageEntries), "unknown language index");
}

}  // namespace
}  // namespace tessolar
