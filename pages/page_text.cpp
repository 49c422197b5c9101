#include "pages/page_text.h"

#include <cstdarg>
#include <cstdio>

namespace tessolar {
namespace {

void AppendFormatV(std::string& text, const char* format, va_list args) {
  char buffer[512];
  va_list again;
  va_copy(again, args);
  const int needed = std::vsnprintf(buffer, sizeof buffer, format, args);
  if (needed >= 0 && static_cast<size_t>(needed) < sizeof buffer) {
    text.append(buffer, static_cast<size_t>(needed));
  } else if (needed >= 0) {
    // Long pieces (a long description or path) are formatted in place.
    const size_t start = text.size();
    text.resize(start + static_cast<size_t>(needed) + 1);
    std::vsnprintf(&text[start], static_cast<size_t>(needed) + 1, format, again);
    text.resize(start + static_cast<size_t>(needed));
  }
  va_end(again);
}

}  // namespace

void AppendFormat(std::string& text, const char* format, ...) {
  va_list args;
  va_start(args, format);
  AppendFormatV(text, format, args);
  va_end(args);
}

std::string Printf(const char* format, ...) {
  std::string out;
  va_list args;
  va_start(args, format);
  AppendFormatV(out, format, args);
  va_end(args);
  return out;
}

std::string ZeroPadded(long value, int digits) {
  std::string text;
  Append(text, value);
  const auto width = static_cast<size_t>(digits);
  if (value >= 0 && text.size() < width) text.insert(0, width - text.size(), '0');
  return text;
}

void AppendPiece(std::string& page, int indent, std::string_view piece) {
  page.append(static_cast<size_t>(indent), ' ');
  page.append(piece);
}

}  // namespace tessolar
