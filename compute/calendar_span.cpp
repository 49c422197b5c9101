#include "compute/calendar_span.h"

#include <cstdio>

namespace tessolar {

std::string SpanYears(const CalendarSpan& span) {
  std::string text = std::to_string(span.year);
  if (!span.CrossesYear()) return text;
  const int next = span.year + 1;
  if (next % 100 == 0) return text + "/" + std::to_string(next);
  char twoDigits[4];
  std::snprintf(twoDigits, sizeof twoDigits, "%02d", next % 100);
  return text + "/" + twoDigits;
}

}  // namespace tessolar
