#pragma once
// Character-level helpers for the UTF-8 texts of calendars, captions and
// language tables. Rules about "characters" (caption lengths, widths,
// upper-casing) count code points, not bytes. A byte that does not start a
// well-formed sequence counts as one character of its own, so every text,
// valid or not, can be walked without loss or crash.

#include <cstddef>
#include <string>
#include <string_view>

namespace tessolar {

// Reads the character that starts at `pos`; returns its code point (or the
// byte value of a malformed byte) and advances `pos` past it. `pos` < size.
char32_t NextCodePoint(std::string_view text, size_t& pos);

// Number of characters in `text`.
size_t CodePointCount(std::string_view text);

// The first `count` characters of `text` (all of it when shorter).
std::string CodePointPrefix(std::string_view text, size_t count);

// `text` with every letter of the Latin, Greek and Cyrillic scripts in its
// upper case; other characters and malformed bytes unchanged.
std::string ToUpperUtf8(std::string_view text);

// Upper case of one code point, for the letters ToUpperUtf8 covers.
char32_t ToUpperCodePoint(char32_t c);

// Appends the UTF-8 form of `c` (a code point below 0x110000).
void AppendUtf8(std::string& out, char32_t c);

}  // namespace tessolar
