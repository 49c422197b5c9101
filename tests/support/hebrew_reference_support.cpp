#include "support/hebrew_reference.h"

namespace tessolar::hebrew_reference {
namespace {

constexpr int64_t kEpochRd = -1373427;       // 1 Tishri AM 1 (7 October 3761 BCE, Julian)
constexpr int64_t kRdToJulianDay = 1721425;  // RD 1 is 1 January 1 (Gregorian)

int64_t FloorDiv(int64_t a, int64_t b) { return a / b - ((a % b != 0) && ((a < 0) != (b < 0))); }
int64_t Mod(int64_t a, int64_t b) { return a - b * FloorDiv(a, b); }

int64_t ElapsedDays(int64_t y) {
  const int64_t months = FloorDiv(235 * y - 234, 19);
  const int64_t days = 29 * months + FloorDiv(12084 + 13753 * months, 25920);
  return Mod(3 * (days + 1), 7) < 3 ? days + 1 : days;
}

int64_t YearLengthCorrection(int64_t y) {
  if (ElapsedDays(y + 1) - ElapsedDays(y) == 356) return 2;
  if (ElapsedDays(y) - ElapsedDays(y - 1) == 382) return 1;
  return 0;
}

}  // namespace

bool IsLeap(int64_t y) { return Mod(7 * y + 1, 19) < 7; }

int64_t NewYearJulianDay(int64_t y) {
  return kEpochRd + ElapsedDays(y) + YearLengthCorrection(y) + kRdToJulianDay;
}

int MonthDays(int m, int64_t y) {
  const int64_t length = NewYearJulianDay(y + 1) - NewYearJulianDay(y);
  if (m == 2 || m == 4 || m == 6 || m == 10 || m == 13) return 29;
  if ((m == 12 && !IsLeap(y)) || (m == 8 && length % 10 != 5) || (m == 9 && length % 10 == 3)) {
    return 29;
  }
  return 30;
}

int64_t JulianDayOf(int64_t y, int month, int day) {
  int64_t jd = NewYearJulianDay(y) + day - 1;
  for (int m = 7; m != month; m = m == (IsLeap(y) ? 13 : 12) ? 1 : m + 1) jd += MonthDays(m, y);
  return jd;
}

}  // namespace tessolar::hebrew_reference
