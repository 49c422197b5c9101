#include "pages/append_format.h"

#include <cstdarg>
#include <cstdio>

namespace tessolar {

void AppendFormat(std::string& text, const char* format, ...) {
  char buffer[512];
  va_list args;
  va_start(args, format);
  va_list again;
  va_copy(again, args);
  const int needed = std::vsnprintf(buffer, sizeof buffer, format, args);
  va_end(args);
  if (needed < 0) {
    va_end(again);
    return;
  }
  if (static_cast<size_t>(needed) < sizeof buffer) {
    text.append(buffer, static_cast<size_t>(needed));
  } else {
    // Long pieces (a long description or path) are formatted in place.
    const size_t start = text.size();
    text.resize(start + static_cast<size_t>(needed) + 1);
    std::vsnprintf(&text[start], static_cast<size_t>(needed) + 1, format, again);
    text.resize(start + static_cast<size_t>(needed));
  }
  va_end(again);
}

}  // namespace tessolar
