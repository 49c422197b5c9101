#include "compute/easter.h"

#include <cstdint>

namespace tessolar {
namespace {

constexpr int64_t FloorMod(int64_t a, int64_t n) { return ((a % n) + n) % n; }

// Days from 21 March to Easter Sunday, 1..35.
int DaysAfter21March(int year) {
  const int64_t y = year;                      // 64 bits: y + y/4 must not overflow
  const int64_t golden = FloorMod(y, 19) + 1;  // [1, 19]
  int64_t dominical = 0;                       // [0, 6]
  int64_t epact = 0;                           // [0, 29]: days from 21 March to the paschal full moon
  if (year <= kLastJulianEasterYear) {
    dominical = FloorMod(y + y / 4 + 5, 7);
    epact = FloorMod(3 - 11 * golden - 7, 30);
  } else {
    dominical = FloorMod(y + y / 4 - y / 100 + y / 400, 7);
    const int64_t solar = (y - 1600) / 100 - (y - 1600) / 400;
    const int64_t lunar = (8 * ((y - 1400) / 100)) / 25;
    epact = FloorMod(3 - 11 * golden + solar - lunar, 30);
  }
  // The paschal full moon falls no later than 18 April.
  if (epact == 29 || (epact == 28 && golden > 11)) --epact;
  const int64_t toSunday = FloorMod(4 - epact - dominical, 7);  // [0, 6]
  return static_cast<int>(epact + toSunday + 1);
}

}  // namespace

EasterDate EasterSunday(int year) {
  const int p = DaysAfter21March(year);
  if (p < 11) return {2, p + 21};
  return {3, p - 10};
}

int EasterFebruaryDays(int year) {
  const bool leap = year % 4 == 0 &&
                    (year <= kLastJulianEasterYear || year % 100 != 0 || year % 400 == 0);
  return leap ? 29 : 28;
}

int EasterDayOfYear(int year) { return 31 + EasterFebruaryDays(year) + 21 + DaysAfter21March(year); }

}  // namespace tessolar
