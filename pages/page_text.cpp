#include "pages/page_text.h"

#include <cstdarg>
#include <cstdio>

namespace tessolar {

std::string Printf(const char* format, ...) {
  va_list args;
  va_start(args, format);
  va_list again;
  va_copy(again, args);
  const int size = std::vsnprintf(nullptr, 0, format, args);
  va_end(args);
  std::string out;
  if (size > 0) {
    out.resize(static_cast<size_t>(size) + 1);
    std::vsnprintf(out.data(), out.size(), format, again);
    out.pop_back();
  }
  va_end(again);
  return out;
}

void AppendPiece(std::string& page, int indent, std::string_view piece) {
  page.append(static_cast<size_t>(indent), ' ');
  page.append(piece);
}

}  // namespace tessolar
