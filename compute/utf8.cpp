#include "compute/utf8.h"

namespace tessolar {
namespace {

// Length of the well-formed sequence at `pos` (1 to 4), or 0 when the bytes
// there are not one: bad lead byte, missing or bad continuation, overlong
// form, surrogate or a value past U+10FFFF.
size_t SequenceLength(std::string_view text, size_t pos, char32_t& value) {
  const auto byte = [&](size_t i) { return static_cast<unsigned char>(text[pos + i]); };
  const unsigned char lead = byte(0);
  size_t length;
  char32_t min;
  if (lead < 0x80) {
    value = lead;
    return 1;
  } else if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2, value = lead & 0x1F, min = 0x80;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3, value = lead & 0x0F, min = 0x800;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4, value = lead & 0x07, min = 0x10000;
  } else {
    return 0;
  }
  if (pos + length > text.size()) return 0;
  for (size_t i = 1; i < length; ++i) {
    if ((byte(i) & 0xC0) != 0x80) return 0;
    value = (value << 6) | (byte(i) & 0x3F);
  }
  if (value < min || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) return 0;
  return length;
}

}  // namespace

char32_t NextCodePoint(std::string_view text, size_t& pos) {
  char32_t value = 0;
  const size_t length = SequenceLength(text, pos, value);
  if (length == 0) return static_cast<unsigned char>(text[pos++]);
  pos += length;
  return value;
}

size_t CodePointCount(std::string_view text) {
  size_t count = 0;
  for (size_t pos = 0; pos < text.size(); ++count) NextCodePoint(text, pos);
  return count;
}

std::string CodePointPrefix(std::string_view text, size_t count) {
  size_t pos = 0;
  for (size_t n = 0; n < count && pos < text.size(); ++n) NextCodePoint(text, pos);
  return std::string(text.substr(0, pos));
}

char32_t ToUpperCodePoint(char32_t c) {
  if (c >= U'a' && c <= U'z') return c - 0x20;
  if (c < 0xB5) return c;
  if (c == 0xB5) return 0x39C;                                   // micro sign
  if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return c - 0x20;     // à..þ except ÷
  if (c == 0xFF) return 0x178;                                   // ÿ
  if (c == 0x131) return U'I';                                   // dotless i
  if (c >= 0x100 && c <= 0x137) return c & ~char32_t{1};         // pairs, lower odd
  if (c >= 0x139 && c <= 0x148) return (c & 1) ? c : c - 1;      // pairs, lower even
  if (c >= 0x14A && c <= 0x177) return c & ~char32_t{1};
  if (c >= 0x179 && c <= 0x17E) return (c & 1) ? c : c - 1;
  if (c == 0x17F) return U'S';                                   // long s
  if (c >= 0x3B1 && c <= 0x3CB && c != 0x3C2) return c - 0x20;   // Greek α..ϋ
  if (c == 0x3C2) return 0x3A3;                                  // final sigma
  if (c == 0x3AC) return 0x386;
  if (c >= 0x3AD && c <= 0x3AF) return c - 0x25;
  if (c == 0x3CC) return 0x38C;
  if (c == 0x3CD || c == 0x3CE) return c - 0x3F;
  if (c >= 0x430 && c <= 0x44F) return c - 0x20;                 // Cyrillic а..я
  if (c >= 0x450 && c <= 0x45F) return c - 0x50;                 // ѐ..џ
  return c;
}

void AppendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

std::string ToUpperUtf8(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (size_t pos = 0; pos < text.size();) {
    const size_t start = pos;
    const char32_t c = NextCodePoint(text, pos);
    const char32_t upper = ToUpperCodePoint(c);
    // Malformed bytes and characters without an upper case are copied as they were.
    if (upper == c || (pos - start == 1 && c >= 0x80)) {
      out.append(text.substr(start, pos - start));
    } else {
      AppendUtf8(out, upper);
    }
  }
  return out;
}

}  // namespace tessolar
