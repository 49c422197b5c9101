#include <gtest/gtest.h>

#include <set>
#include <string>

#include "compute/language_table.h"
#include "compute/utf8.h"

namespace tessolar {
namespace {

TEST(Utf8, CountsCharactersAndTreatsEachMalformedByteAsOne) {
  EXPECT_EQ(CodePointCount(""), 0u);
  EXPECT_EQ(CodePointCount("Año"), 3u);
  EXPECT_EQ(CodePointCount("€𝄞"), 2u);            // three- and four-byte forms
  EXPECT_EQ(CodePointCount("\xC3"), 1u);          // truncated sequence
  EXPECT_EQ(CodePointCount("\xC0\xAF"), 2u);      // overlong '/'
  EXPECT_EQ(CodePointCount("\xED\xA0\x80"), 3u);  // surrogate
  EXPECT_EQ(CodePointCount("\xF4\x90\x80\x80"), 4u);  // past U+10FFFF
  EXPECT_EQ(CodePointCount("a\x80z"), 3u);
}

TEST(Utf8, RoundTripsEveryCodePoint) {
  for (char32_t c = 0; c < 0x110000; ++c) {
    if (c >= 0xD800 && c <= 0xDFFF) continue;
    std::string text;
    AppendUtf8(text, c);
    size_t pos = 0;
    ASSERT_EQ(NextCodePoint(text, pos), c);
    ASSERT_EQ(pos, text.size());
  }
}

TEST(Utf8, PrefixCutsBetweenCharacters) {
  EXPECT_EQ(CodePointPrefix("Miércoles", 3), "Mié");
  EXPECT_EQ(CodePointPrefix("Mi", 3), "Mi");
  EXPECT_EQ(CodePointPrefix("\xFF\xFFx", 2), "\xFF\xFF");
}

TEST(Utf8, UpperCaseOfTheLettersOfOurLanguages) {
  EXPECT_EQ(ToUpperUtf8("miércoles"), "MIÉRCOLES");
  EXPECT_EQ(ToUpperUtf8("sábado ñandú"), "SÁBADO ÑANDÚ");
  EXPECT_EQ(ToUpperUtf8("märz über öl"), "MÄRZ ÜBER ÖL");
  EXPECT_EQ(ToUpperUtf8("straße"), "STRAßE");  // ß has no one-letter upper case
  EXPECT_EQ(ToUpperUtf8("ÿ"), "Ÿ");
  EXPECT_EQ(ToUpperUtf8("łódź"), "ŁÓDŹ");
  EXPECT_EQ(ToUpperUtf8("ένας ωραίος"), "ΈΝΑΣ ΩΡΑΊΟΣ");
  EXPECT_EQ(ToUpperUtf8("суббота ёж"), "СУББОТА ЁЖ");
  EXPECT_EQ(ToUpperUtf8("1 ÷ 2 € ABC ÀÞ"), "1 ÷ 2 € ABC ÀÞ");  // already upper or no case
  // Malformed bytes pass unchanged, even where their value names a letter.
  EXPECT_EQ(ToUpperUtf8("a\xE0z\xE9"), "A\xE0Z\xE9");
}

TEST(LanguageTable, EveryLanguageHasEveryEntryAndLookupsRefuseValuesOutOfRange) {
  for (int language = 0; language < kLanguageCount; ++language) {
    std::set<std::string> names;
    for (int i = 0; i < kLanguageEntries; ++i) EXPECT_FALSE(LanguageStringOf(language, i).empty()) << i;
    for (int i = 12; i < 31; ++i) names.insert(LanguageStringOf(language, i));  // months and weekdays
    EXPECT_EQ(names.size(), 19u) << language;
    // The welcome page turns the link words inside its two texts into links.
    EXPECT_NE(LanguageStringOf(language, 40).find(LanguageStringOf(language, 46)), std::string::npos);
    EXPECT_NE(LanguageStringOf(language, 41).find(LanguageStringOf(language, 47)), std::string::npos);
    // Election Day is moved to the Tuesday by its name; every language keeps the words.
    EXPECT_NE(LanguageStringOf(language, 85).find("Election Day"), std::string::npos);
  }
  for (int index : {-1, 138}) EXPECT_EQ(LanguageString(index), "unknown language index");
  EXPECT_EQ(MonthName(12), LanguageString(0));
  EXPECT_EQ(WeekdayName(-1), LanguageString(0));
  SetLanguageIndex(2);
  SetLanguageIndex(3);
  EXPECT_EQ(MonthName(2), "März");
  SetLanguageIndex(0);
  SetCountryIndex(8);
  EXPECT_EQ(GetCountryIndex(), 0);
}

}  // namespace
}  // namespace tessolar
