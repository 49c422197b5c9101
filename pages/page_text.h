#pragma once
// How a page text grows: pieces appended in order, each a fixed text or a
// printf-style format filled in first, with a number of leading spaces.

#include <string>
#include <string_view>

namespace tessolar {

// Appends `format` formatted with the arguments (printf conventions) to `text`.
void AppendFormat(std::string& text, const char* format, ...) __attribute__((format(printf, 2, 3)));

// The formatted text (printf conventions).
std::string Printf(const char* format, ...) __attribute__((format(printf, 1, 2)));

// Appends `indent` spaces and then `piece`.
void AppendPiece(std::string& page, int indent, std::string_view piece);

}  // namespace tessolar
