#include <gtest/gtest.h>

#include <string>

#include "compute/utf8.h"

namespace tessolar {
namespace {

TEST(Utf8, CountsCharactersAndTreatsEachMalformedByteAsOne) {
  // Three- and four-byte forms; a truncated sequence, an overlong '/', a
  // surrogate, a value past U+10FFFF and a stray continuation byte.
  const std::pair<const char*, size_t> cases[] = {{"Año", 3},          {"€𝄞", 2},
                                                  {"\xC3", 1},         {"\xC0\xAF", 2},
                                                  {"\xED\xA0\x80", 3}, {"\xF4\x90\x80\x80", 4},
                                                  {"a\x80z", 3}};
  for (const auto& [text, count] : cases) EXPECT_EQ(CodePointCount(text), count) << text;
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
