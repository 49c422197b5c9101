#include <cstdlib>
#include <ctime>

#include "support/civil_reference.h"

namespace tessolar::support {
namespace {

std::tm UtcOf(int year, int month0, int day) {
  std::tm tm{};
  tm.tm_year = year - 1900;
  tm.tm_mon = month0;
  tm.tm_mday = day;
  const time_t t = timegm(&tm);
  std::tm out{};
  gmtime_r(&t, &out);
  return out;
}

}  // namespace

int LibraryWeekday(int year, int month0, int day) { return UtcOf(year, month0, day).tm_wday; }

int LibraryIsoWeek(int year, int month0, int day) {
  const std::tm tm = UtcOf(year, month0, day);
  char week[4] = {};
  std::strftime(week, sizeof week, "%V", &tm);
  return std::atoi(week);
}

// Day 0 of the next month is the last day of this one.
int LibraryMonthLength(int year, int month0) { return UtcOf(year, month0 + 1, 0).tm_mday; }

int CountedWeekday(int year, int month0, int weekday, int nth) {
  const int first = LibraryWeekday(year, month0, 1);
  int seen = 0, last = 0;
  for (int day = 1; day <= LibraryMonthLength(year, month0); ++day) {
    if ((first + day - 1) % 7 != weekday) continue;
    last = day;
    if (++seen == nth) return day;
  }
  return last;
}

}  // namespace tessolar::support
