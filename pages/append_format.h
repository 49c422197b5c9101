#pragma once
// printf-style appending to a growing page text.

#include <string>

namespace tessolar {

// Appends `format` formatted with the arguments to `text`.
void AppendFormat(std::string& text, const char* format, ...) __attribute__((format(printf, 2, 3)));

}  // namespace tessolar
