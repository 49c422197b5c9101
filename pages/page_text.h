#pragma once
// How a page text grows: pieces appended in order, each a fixed text or a
// printf-style format filled in first, with a number of leading spaces. The
// month grids, written for every day of the year, append their pieces
// directly (Append), which costs a fraction of formatting them.

#include <charconv>
#include <string>
#include <string_view>
#include <type_traits>

namespace tessolar {

// Appends `format` formatted with the arguments (printf conventions) to `text`.
void AppendFormat(std::string& text, const char* format, ...) __attribute__((format(printf, 2, 3)));

// The formatted text (printf conventions).
std::string Printf(const char* format, ...) __attribute__((format(printf, 1, 2)));

// Appends `indent` spaces and then `piece`.
void AppendPiece(std::string& page, int indent, std::string_view piece);

// `value` in decimal with zeros in front up to `digits` digits; a negative value as it is.
std::string ZeroPadded(long value, int digits);

// Appends each piece in order: integers in decimal, texts as they stand.
template <typename... Pieces>
void Append(std::string& page, const Pieces&... pieces) {
  const auto one = [&page](const auto& piece) {
    if constexpr (std::is_integral_v<std::decay_t<decltype(piece)>>) {
      char digits[24];
      const auto end = std::to_chars(digits, digits + sizeof digits, piece).ptr;
      page.append(digits, end);
    } else {
      page.append(std::string_view(piece));
    }
  };
  (one(pieces), ...);
}

}  // namespace tessolar
