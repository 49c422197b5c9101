#include "caldata/text_encoding.h"

#include <gtest/gtest.h>
#include <iconv.h>

#include <string>

namespace tessolar {
namespace {

// Reference encoder, written from the table of the UTF-8 definition.
std::string Encode(char32_t cp) {
  if (cp < 0x80) return std::string(1, static_cast<char>(cp));
  const int tail = cp < 0x800 ? 1 : cp < 0x10000 ? 2 : 3;
  const unsigned lead[] = {0, 0xC0, 0xE0, 0xF0};
  std::string s(1, static_cast<char>(lead[tail] + (cp >> (6 * tail))));
  for (int i = tail - 1; i >= 0; --i) s += static_cast<char>(0x80 + ((cp >> (6 * i)) & 0x3F));
  return s;
}

TEST(TextEncoding, EveryScalarValueIsValidAndNothingElse) {
  for (char32_t cp = 0; cp <= 0x10FFFF; ++cp) {
    const std::string s = Encode(cp);
    ASSERT_EQ(IsValidUtf8(s), cp < 0xD800 || cp > 0xDFFF) << std::hex << cp;
    // A sequence cut short is never valid.
    if (s.size() > 1) {
      ASSERT_FALSE(IsValidUtf8("x" + s.substr(0, s.size() - 1))) << std::hex << cp;
    }
  }
  for (const char* bad : {"\xC0\xAF", "\xE0\x80\xAF", "\xF4\x90\x80\x80", "\xF8\x88\x80\x80\x80", "M\xFCller"})
    EXPECT_FALSE(IsValidUtf8(bad)) << bad;
}

TEST(TextEncoding, Windows1252AgreesWithTheSystemConverter) {
  iconv_t cd = iconv_open("UTF-8", "WINDOWS-1252");
  ASSERT_NE(cd, reinterpret_cast<iconv_t>(-1));
  for (int byte = 1; byte < 256; ++byte) {
    char in[1] = {static_cast<char>(byte)}, out[8];
    char *inp = in, *outp = out;
    size_t inLeft = 1, outLeft = sizeof out;
    // The five unassigned bytes are kept as the C1 controls of their value.
    const bool unassigned = iconv(cd, &inp, &inLeft, &outp, &outLeft) == static_cast<size_t>(-1);
    EXPECT_EQ(Windows1252ToUtf8(std::string(1, in[0])), unassigned ? Encode(byte) : std::string(out, outp)) << byte;
    if (unassigned) iconv(cd, nullptr, nullptr, nullptr, nullptr);
  }
  iconv_close(cd);
  EXPECT_EQ(Windows1252ToUtf8("M\xFCller \x80 \x93q\x94"), "Müller € “q”");
}

}  // namespace
}  // namespace tessolar
