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
  EXPECT_EQ(CodePointCount("€𝄞"), 2u);                // three- and four-byte forms
  EXPECT_EQ(CodePointCount("\xC3"), 1u);              // truncated sequence
  EXPECT_EQ(CodePointCount("\xC0\xAF"), 2u);          // overlong '/'
  EXPECT_EQ(CodePointCount("\xED\xA0\x80"), 3u);      // surrogate
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

}  // namespace
}  // namespace tessolar
