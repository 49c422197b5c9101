#include "cli/hebrew_dates_command.h"

#include <cctype>
#include <cstdint>
#include <cstdio>

#include "cli/command_line.h"
#include "compute/date_arithmetic.h"
#include "compute/hebrew_calendar.h"

namespace tessolar::cli {
namespace {

// Enough for a few centuries; more is a typing slip, not a request.
constexpr int64_t kMaxDays = 100000;

struct Date {
  int year;
  int month;  // 0-based
  int day;
};

bool DigitsAt(const std::string& text, size_t from, size_t count) {
  for (size_t i = from; i < from + count; ++i) {
    if (!std::isdigit(static_cast<unsigned char>(text[i]))) return false;
  }
  return true;
}

// Strictly YYYY-MM-DD, a real day of the years 0001 to 9999.
Date ParseDate(const std::string& text) {
  const bool shaped = text.size() == 10 && text[4] == '-' && text[7] == '-' && DigitsAt(text, 0, 4) &&
                      DigitsAt(text, 5, 2) && DigitsAt(text, 8, 2);
  if (!shaped) throw CommandError(kExitBadInput, "'" + text + "' is not a date of the form YYYY-MM-DD");
  const Date date{std::stoi(text.substr(0, 4)), std::stoi(text.substr(5, 2)) - 1,
                  std::stoi(text.substr(8, 2))};
  if (date.year < 1) throw CommandError(kExitBadInput, "years run from 0001 to 9999, not '" + text + "'");
  if (date.month < 0 || date.month > 11 || date.day < 1 ||
      date.day > DaysInMonth(date.month, date.year)) {
    throw CommandError(kExitBadInput, "'" + text + "' is not a day of the calendar");
  }
  return date;
}

}  // namespace

int RunHebrewDates(const std::vector<std::string>& args) {
  if (args.size() != 2) {
    throw CommandError(kExitUsage, "expected 2 argument(s), got " + std::to_string(args.size()));
  }
  Date date = ParseDate(args[0]);
  const Date last = ParseDate(args[1]);
  const int64_t first = GregorianJulianDay(date.year, date.month, date.day);
  const int64_t end = GregorianJulianDay(last.year, last.month, last.day);
  if (end < first) throw CommandError(kExitBadInput, args[0] + " comes after " + args[1]);
  if (end - first + 1 > kMaxDays) {
    throw CommandError(kExitBadInput, "at most " + std::to_string(kMaxDays) + " days at a time");
  }
  for (int64_t jd = first; jd <= end; ++jd) {
    const HebrewDate hebrew = JulianDayToHebrew(jd);
    std::printf("%04d-%02d-%02d\t%d\t%d\t%s\t%d\n", date.year, date.month + 1, date.day, hebrew.day,
                hebrew.month, HebrewMonthName(hebrew.month).c_str(), hebrew.year);
    if (++date.day > DaysInMonth(date.month, date.year)) {
      date.day = 1;
      if (++date.month == 12) {
        date.month = 0;
        ++date.year;
      }
    }
  }
  return kExitOk;
}

}  // namespace tessolar::cli
