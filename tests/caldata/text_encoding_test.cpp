#include "caldata/text_encoding.h"

#include <gtest/gtest.h>
#include <iconv.h>

#include <string>

namespace tessolar {
namespace {

// Reference encoder, written from the table of the UTF-8 definition.
std::string Encode(char32_t cp) {
  std::string s;
  if (cp < 0x80) {
    s += static_cast<char>(cp);
  } else if (cp < 0x800) {
    s += static_cast<char>(0xC0 + cp / 64);
    s += static_cast<char>(0x80 + cp % 64);
  } else if (cp < 0x10000) {
    s += static_cast<char>(0xE0 + cp / 4096);
    s += static_cast<char>(0x80 + cp / 64 % 64);
    s += static_cast<char>(0x80 + cp % 64);
  } else {
    s += static_cast<char>(0xF0 + cp / 262144);
    s += static_cast<char>(0x80 + cp / 4096 % 64);
    s += static_cast<char>(0x80 + cp / 64 % 64);
    s += static_cast<char>(0x80 + cp % 64);
  }
  return s;
}

TEST(TextEncoding, EveryScalarValueIsValidAndNothingElse) {
  for (char32_t cp = 0; cp <= 0x10FFFF; ++cp) {
    const bool surrogate = cp >= 0xD800 && cp <= 0xDFFF;
    const std::string s = Encode(cp);
    ASSERT_EQ(IsValidUtf8(s), !surrogate) << std::hex << cp;
    // A sequence cut short is never valid.
    if (s.size() > 1) {
      ASSERT_FALSE(IsValidUtf8("x" + s.substr(0, s.size() - 1))) << std::hex << cp;
    }
  }
  EXPECT_FALSE(IsValidUtf8("\xC0\xAF"));          // overlong '/'
  EXPECT_FALSE(IsValidUtf8("\xE0\x80\xAF"));      // overlong '/'
  EXPECT_FALSE(IsValidUtf8("\xF4\x90\x80\x80"));  // above U+10FFFF
  EXPECT_FALSE(IsValidUtf8("\xF8\x88\x80\x80\x80"));
  EXPECT_FALSE(IsValidUtf8("M\xFCller"));
  EXPECT_TRUE(IsValidUtf8(""));
}

TEST(TextEncoding, Windows1252AgreesWithTheSystemConverter) {
  iconv_t cd = iconv_open("UTF-8", "WINDOWS-1252");
  ASSERT_NE(cd, reinterpret_cast<iconv_t>(-1));
  for (int byte = 1; byte < 256; ++byte) {
    char in[1] = {static_cast<char>(byte)};
    char out[8];
    char* inp = in;
    char* outp = out;
    size_t inLeft = 1, outLeft = sizeof out;
    if (iconv(cd, &inp, &inLeft, &outp, &outLeft) == static_cast<size_t>(-1)) {
      // The five unassigned bytes: kept as the C1 controls of their value.
      EXPECT_EQ(Windows1252ToUtf8(std::string(1, in[0])), Encode(static_cast<char32_t>(byte)));
      iconv(cd, nullptr, nullptr, nullptr, nullptr);
      continue;
    }
    EXPECT_EQ(Windows1252ToUtf8(std::string(1, in[0])), std::string(out, outp)) << byte;
  }
  iconv_close(cd);
  const std::string converted = Windows1252ToUtf8("M\xFCller \x80 \x93q\x94");
  EXPECT_EQ(converted, "Müller € “q”");
  EXPECT_TRUE(IsValidUtf8(converted));
}

}  // namespace
}  // namespace tessolar
