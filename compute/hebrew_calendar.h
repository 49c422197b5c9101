#pragma once
// The arithmetic Hebrew calendar: years counted from the creation era, each
// starting on 1 Tishri, fixed by the mean conjunction (molad) of Tishri and
// the four postponement rules. Days are integer Julian day numbers (the day
// that begins at noon of that number; 1 January 2004 is 2453006).
//
// A year has 13 month slots: 1 Tishri, 2 Cheshvan, 3 Kislev, 4 Teveth,
// 5 Sh'vat, 6 Adar, 7 Veadar, 8 Nisan, 9 Iyyar, 10 Sivan, 11 Tammuz, 12 Av,
// 13 Elul. In a common year slot 7 has no days.

#include <array>
#include <cstdint>
#include <string>

namespace tessolar {

inline constexpr int kHebrewMonthSlots = 13;

// Conversions to Hebrew dates cover the years from the creation era up to
// kLastHebrewYear (about Gregorian 996000); outside that they give the zero date.
inline constexpr int kFirstHebrewYear = 1;
inline constexpr int kLastHebrewYear = 1000000;

struct HebrewDate {
  int day = 0;    // 1..30; 0 for no date
  int month = 0;  // slot 1..13; 0 for no date
  int year = 0;   // kFirstHebrewYear..kLastHebrewYear; 0 for no date
  bool IsValid() const { return month != 0; }
  bool operator==(const HebrewDate& o) const {
    return day == o.day && month == o.month && year == o.year;
  }
};

struct HebrewLayout {
  int64_t start = 0;  // Julian day number of 1 Tishri
  int64_t next = 0;   // Julian day number of 1 Tishri of the following year
  std::array<int, kHebrewMonthSlots> monthLengths{};  // slot 1 at index 0

  // Days of `slot` (1..13); 0 for any other slot.
  int MonthLength(int slot) const {
    return slot >= 1 && slot <= kHebrewMonthSlots ? monthLengths[slot - 1] : 0;
  }
};

// Seven years of every 19 are leap years with 13 months. Any year; the cycle
// repeats into years below 1.
bool IsHebrewLeapYear(int64_t hyear);

// Julian day number of 1 Tishri of `hyear`. Exact for every int year (years
// below 1 run the arithmetic backwards).
int64_t HebrewNewYearDay(int64_t hyear);

// Start, next start and month lengths of `hyear`; next - start is 353, 354,
// 355, 383, 384 or 385. Any int year.
HebrewLayout HebrewYearLayout(int64_t hyear);

// The Hebrew date of a Julian day number; the zero date outside the years
// kFirstHebrewYear..kLastHebrewYear.
HebrewDate JulianDayToHebrew(int64_t julianDay);

// The Hebrew date of a Gregorian date (month 0-based, day 1..31, proleptic
// before 1582). The zero date for a month outside 0..11, a day outside
// 1..31 or a date outside the Hebrew years covered.
HebrewDate HebrewDateOf(int day, int month, int year);

// Julian day number of a Gregorian date (month 0-based), for any int year.
int64_t GregorianJulianDay(int year, int month, int day);

// English name of slot 1..13, the same in every language; "unknown hmonth"
// for any other value.
const std::string& HebrewMonthName(int slot);

}  // namespace tessolar
