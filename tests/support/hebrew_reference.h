#pragma once
// An independent reckoning of the arithmetic Hebrew calendar, after
// E. M. Reingold and N. Dershowitz, "Calendrical Calculations" (3rd ed.,
// Cambridge 2008), chapter 8: the new year from elapsed days with the
// postponements folded into a shifted molad and a year-length correction,
// months numbered from Nisan. Tests compare the program's calendar with it.

#include <cstdint>

namespace tessolar::hebrew_reference {

bool IsLeap(int64_t year);
// Julian day number of 1 Tishri of `year`.
int64_t NewYearJulianDay(int64_t year);
// Days of month `month` (Nisan = 1, Tishri = 7, Adar or Adar I = 12, Adar II = 13).
int MonthDays(int month, int64_t year);
// Julian day number of day `day` of month `month` (numbered as above, one
// that `year` has).
int64_t JulianDayOf(int64_t year, int month, int day);

// The reference month in each of the program's slots 1..13 (Adar II in slot 7).
inline constexpr int kMonthOfSlot[14] = {0, 7, 8, 9, 10, 11, 12, 13, 1, 2, 3, 4, 5, 6};

}  // namespace tessolar::hebrew_reference
