#include "compute/date_arithmetic.h"

#include <cstdio>

namespace tessolar {

int IsLeapYear(int year) {
  if (year % 4 != 0) return 0;
  return (year % 100 != 0 || year % 400 == 0) ? 1 : 0;
}

int DaysInYear(int year) { return 365 + IsLeapYear(year); }

int DaysInMonth(int month, int year) {
  switch (month) {
    case 1: return 28 + IsLeapYear(year);
    case 3: case 5: case 8: case 10: return 30;
    default: return 31;
  }
}

// Howard Hinnant's days_from_civil, with a 0-based month.
int64_t DaysFromCivil(int64_t year, int month, int day) {
  const int64_t m = month + 1;                                 // [1, 12]
  const int64_t y = m <= 2 ? year - 1 : year;
  const int64_t era = (y >= 0 ? y : y - 399) / 400;
  const int64_t yoe = y - era * 400;                           // [0, 399]
  const int64_t doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + day - 1;  // [0, 365]
  const int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;   // [0, 146096]
  return era * 146097 + doe - 719468;
}

int WeekdayOfDays(int64_t days) {
  // 1 January 1970 was a Thursday.
  const int64_t w = (days + 4) % 7;
  return static_cast<int>(w < 0 ? w + 7 : w);
}

std::string IsoDate(int year, int month, int day) {
  char text[40];  // room for any int
  std::snprintf(text, sizeof text, "%04d-%02d-%02d", year, month + 1, day);
  return text;
}

int IsoWeekOfDays(int64_t days) {
  const int64_t thursday = days - (WeekdayOfDays(days) + 6) % 7 + 3;
  const int year = JulianDayToDate(thursday + kJulianDayOf1970).year;
  return static_cast<int>((thursday - DaysFromCivil(year, 0, 1)) / 7 + 1);
}

int FirstWeekdayOfMonth(int month, int year) {
  int weekday = WeekdayOfDays(DaysFromCivil(year, 0, 1));
  for (int i = 0; i < month; ++i) weekday = (weekday + DaysInMonth(i, year)) % 7;
  return weekday;
}

CivilDate JulianDayToDate(int64_t j) {
  // Fliegel and Van Flandern (1968), integer arithmetic truncating toward zero.
  int64_t l = j + 68569;
  const int64_t n = 4 * l / 146097;
  l = l - (146097 * n + 3) / 4;
  const int64_t i = 4000 * (l + 1) / 1461001;
  l = l - 1461 * i / 4 + 31;
  const int64_t k = 80 * l / 2447;
  const int64_t day = l - 2447 * k / 80;
  l = k / 11;
  const int64_t month = k + 2 - 12 * l;
  const int64_t year = 100 * (n - 49) + i + l;
  return {static_cast<int>(year), static_cast<int>(month), static_cast<int>(day)};
}

int WeekdayRuleDayOf(int code, int weekday, int month, int year, RuleShift shift) {
  if (year < kFirstRuleYear) return -1;
  const int first = FirstWeekdayOfMonth(month, year);
  const int firstMatch = (weekday - first + 7) % 7 + 1;  // [1, 7]
  int day = firstMatch;
  if (code == kWeekLast) {
    for (int step = 0; step < 5 && day + 7 <= DaysInMonth(month, year); ++step) day += 7;
  } else {
    day = firstMatch + (code - kWeekFirst) * 7;
  }
  switch (shift) {
    case RuleShift::kElectionTuesday:
      return year % 2 == 1 ? -1 : day + 1;
    case RuleShift::kNextDay:
      return day + 1;
    case RuleShift::kFirstWhenFriday:
      return first == 5 ? 1 : day;
    case RuleShift::kNone:
      break;
  }
  return day;
}

RuleShift RuleShiftOfName(std::string_view name) {
  return name.find("Election Day") != std::string_view::npos ? RuleShift::kElectionTuesday
                                                             : RuleShift::kNone;
}

int WeekdayRuleDayOf(std::string_view name, int code, int weekday, int month, int year) {
  return WeekdayRuleDayOf(code, weekday, month, year, RuleShiftOfName(name));
}

int LastMondayOfMayBefore(int limitDay, int year) {
  const int firstMonday = WeekdayRuleDayOf(kWeekFirst, 1, 4, year, RuleShift::kNone);
  if (firstMonday < 0) return -1;
  return firstMonday + 21 < limitDay ? firstMonday + 21 : firstMonday + 14;
}

}  // namespace tessolar
