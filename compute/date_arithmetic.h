#pragma once
// Gregorian date arithmetic shared by every computation and page. Months are
// 0-based (0 = January) except in the output of JulianDayToDate; weekdays run
// 0 = Sunday .. 6 = Saturday; years are proleptic Gregorian;
// the weekday rules refuse years before kFirstRuleYear, negative ones included.

#include <cstdint>
#include <string>
#include <string_view>

namespace tessolar {

// Week-of-month codes of a floating day: the first .. fourth, or last, given weekday.
enum WeekCode : uint8_t {
  kWeekFirst = 41,
  kWeekSecond = 42,
  kWeekThird = 43,
  kWeekFourth = 44,
  kWeekLast = 45,
};

// The earliest year the weekday rules accept: 1 January 1775 was a Sunday.
inline constexpr int kFirstRuleYear = 1775;

int IsLeapYear(int year);                  // 1 or 0
int DaysInYear(int year);                  // 365 or 366
int DaysInMonth(int month, int year);      // 28..31; 31 for a month outside 0..11
int FirstWeekdayOfMonth(int month, int year);  // 0..6

// Days since 1 January 1970 of a proleptic Gregorian date (month 0-based).
// Valid for every year a signed 32-bit day count reaches.
int64_t DaysFromCivil(int64_t year, int month, int day);
// The Julian day number of day count 0 (1 January 1970).
inline constexpr int64_t kJulianDayOf1970 = 2440588;
// Weekday 0..6 of a day count from DaysFromCivil.
int WeekdayOfDays(int64_t days);
// ISO 8601 week (1..53) of a day count from DaysFromCivil: the week, Monday
// to Sunday, numbered in the year that holds its Thursday.
int IsoWeekOfDays(int64_t days);

// "YYYY-MM-DD" of a date (month 0-based), as pages and messages write dates.
std::string IsoDate(int year, int month, int day);

struct CivilDate {
  int year;
  int month;  // 1..12
  int day;    // 1..31
};

// Gregorian date of a Julian day number (the day that begins at noon of that number).
CivilDate JulianDayToDate(int64_t julianDay);

// How a holiday moves off the day its weekday rule gives. The generators
// set it per row, so it holds whatever the holiday is called.
enum class RuleShift : uint8_t {
  kNone,
  kElectionTuesday,  // the Tuesday after the first Monday, held in even years only
  kNextDay,          // the day after (Buß- und Bettag: the Wednesday after the third Tuesday)
  kFirstWhenFriday,  // the 1st instead when the month begins on a Friday (St Brigid's Day)
};

// The day of month `month` of `year` on which the rule falls: the first ..
// fourth or last `weekday` (by `code`), moved by `shift`. Returns -1 for
// Election Day in an odd year, and for a year before kFirstRuleYear.
int WeekdayRuleDayOf(int code, int weekday, int month, int year, RuleShift shift);

// Same for a user's floating entry, which has only its name: a name
// containing "Election Day" takes the election Tuesday.
RuleShift RuleShiftOfName(std::string_view name);
int WeekdayRuleDayOf(std::string_view name, int code, int weekday, int month, int year);

// First Monday of May plus 21 days if that is before `limitDay`, else plus 14:
// the last Monday before 25 May for a limit of 25.
int LastMondayOfMayBefore(int limitDay, int year);

}  // namespace tessolar
