#include "compute/hebrew_calendar.h"

#include "compute/date_arithmetic.h"

namespace tessolar {
namespace {

// Time is counted in parts: 1080 to the hour, hours from 6 pm of the evening before.
constexpr int64_t kPartsPerDay = 25920;
constexpr int64_t kMonthDays = 29;
constexpr int64_t kMonthParts = 13753;     // a mean month beyond 29 days
constexpr int64_t kDaysPer25920Months = 765433;
constexpr int64_t kFirstMoladDay = 2;      // Monday ...
constexpr int64_t kFirstMoladParts = 5604; // ... 5 hours 204 parts
// Day count 0 of the molad arithmetic as a Julian day number.
constexpr int64_t kMoladDayToJulianDay = 347996;

// Weekdays of molad day counts (day mod 7).
constexpr int64_t kSunday = 1;
constexpr int64_t kMonday = 2;
constexpr int64_t kTuesday = 3;
constexpr int64_t kWednesday = 4;
constexpr int64_t kFriday = 6;

constexpr int64_t FloorMod(int64_t a, int64_t n) { return ((a % n) + n) % n; }
constexpr int64_t FloorDiv(int64_t a, int64_t n) { return (a - FloorMod(a, n)) / n; }

// Leap positions 2, 5, 7, 10, 13, 16 and 18 of the 19-year cycle.
constexpr bool kLeapInCycle[19] = {false, false, true, false, false, true, false, true, false, false,
                                   true, false, false, true, false, false, true, false, true};

int64_t MonthsElapsedBefore(int64_t hyear) {
  const int64_t r = FloorMod(hyear - 1, 19);  // [0, 18]
  int64_t leapsInCycle = 0;                   // [0, 6]
  for (int64_t i = 0; i < r; ++i) leapsInCycle += kLeapInCycle[i] ? 1 : 0;
  return 235 * FloorDiv(hyear - 1 - r, 19) + 12 * r + leapsInCycle;
}

struct Molad {
  int64_t day;
  int64_t parts;  // [0, 25919]
};

Molad MoladOfTishri(int64_t hyear) {
  const int64_t m = MonthsElapsedBefore(hyear);
  const int64_t q = FloorMod(m, kPartsPerDay);  // [0, 25919]
  const int64_t day = kFirstMoladDay + kDaysPer25920Months * FloorDiv(m, kPartsPerDay) + kMonthDays * q;
  const int64_t parts = kFirstMoladParts + kMonthParts * q;  // [5604, 356483364]
  return {day + parts / kPartsPerDay, parts % kPartsPerDay};
}

}  // namespace

bool IsHebrewLeapYear(int64_t hyear) { return kLeapInCycle[FloorMod(hyear - 1, 19)]; }

int64_t HebrewNewYearDay(int64_t hyear) {
  const Molad molad = MoladOfTishri(hyear);
  const int64_t weekday = FloorMod(molad.day, 7);
  int64_t day = molad.day;
  if (weekday == kTuesday && molad.parts >= 9924 && !IsHebrewLeapYear(hyear)) {
    day += 2;  // 9 hours 204 parts: the common year would run to 356 days
  } else if (weekday == kMonday && molad.parts >= 16789 && IsHebrewLeapYear(hyear - 1)) {
    day += 1;  // 15 hours 589 parts after a leap year: it would shrink to 382 days
  } else {
    // A molad at noon or later is already the next day's (the rule says "at or
    // after": a molad of exactly 18 hours postpones too).
    if (molad.parts >= 19440) day += 1;
    const int64_t w = FloorMod(day, 7);
    if (w == kSunday || w == kWednesday || w == kFriday) day += 1;
  }
  return day + kMoladDayToJulianDay;
}

HebrewLayout HebrewYearLayout(int64_t hyear) {
  HebrewLayout layout;
  layout.start = HebrewNewYearDay(hyear);
  layout.next = HebrewNewYearDay(hyear + 1);
  layout.monthLengths = {30, 29, 30, 29, 30, 29, 0, 30, 29, 30, 29, 30, 29};
  if (IsHebrewLeapYear(hyear)) {
    layout.monthLengths[5] = 30;  // Adar
    layout.monthLengths[6] = 29;  // Veadar
  }
  const int64_t length = layout.next - layout.start;
  if (length == 353 || length == 383) layout.monthLengths[2] = 29;  // short Kislev
  if (length == 355 || length == 385) layout.monthLengths[1] = 30;  // long Cheshvan
  return layout;
}

HebrewDate JulianDayToHebrew(int64_t julianDay) {
  static const int64_t firstDay = HebrewNewYearDay(kFirstHebrewYear);
  static const int64_t endDay = HebrewNewYearDay(int64_t{kLastHebrewYear} + 1);
  if (julianDay < firstDay || julianDay >= endDay) return {};
  // A mean year is 35975351/98496 days (235 mean months over 19 years), so
  // this guess is the year or the one after; the walk below settles it.
  int64_t hyear = (julianDay - kMoladDayToJulianDay) * 98496 / 35975351 + 1;
  HebrewLayout layout = HebrewYearLayout(hyear);
  while (layout.start > julianDay) layout = HebrewYearLayout(--hyear);
  while (layout.next <= julianDay) layout = HebrewYearLayout(++hyear);

  int64_t start = layout.start;
  int slot = 1;
  while (julianDay - start >= layout.MonthLength(slot)) start += layout.MonthLength(slot++);
  return {static_cast<int>(julianDay - start + 1), slot, static_cast<int>(hyear)};
}

int64_t GregorianJulianDay(int year, int month, int day) {
  return DaysFromCivil(year, month, day) + kJulianDayOf1970;
}

HebrewDate HebrewDateOf(int day, int month, int year) {
  if (month < 0 || month > 11 || day < 1 || day > 31) return {};
  return JulianDayToHebrew(GregorianJulianDay(year, month, day));
}

const std::string& HebrewMonthName(int slot) {
  static const std::string kNames[kHebrewMonthSlots] = {
      "Tishri", "Cheshvan", "Kislev", "Teveth", "Sh'vat", "Adar",  "Veadar",
      "Nisan",  "Iyyar",    "Sivan",  "Tammuz", "Av",     "Elul"};
  static const std::string kUnknown = "unknown hmonth";
  return slot >= 1 && slot <= kHebrewMonthSlots ? kNames[slot - 1] : kUnknown;
}

}  // namespace tessolar
