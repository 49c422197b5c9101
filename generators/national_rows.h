#pragma once
// The rows of the national holiday lists: data that GenerateNationalDays
// walks, one table per country (national_lists.h).

#include <climits>
#include <cstddef>
#include <cstdint>
#include <string>

#include "caldata/cal_entry.h"
#include "compute/date_arithmetic.h"

namespace tessolar::national {

constexpr int kEarliest = INT_MIN;
constexpr int kLatest = INT_MAX;

// A name a holiday bore from `firstYear` on.
struct NameEra {
  int firstYear;
  const char* text;
};

// The name a holiday bears in one page language (page_language in countries.h).
struct LanguageText {
  int language;
  const char* text;
};

// A holiday's name: a language-table entry, or the name it bears in its own
// country, the same in every language; where that name changed over the
// years, the names by era; where the country writes it in several languages,
// the name in the page's language.
struct RowName {
  int entry;
  const char* text;
  const NameEra* eras;  // the earliest first
  std::size_t eraCount;
  const LanguageText* languages;  // the first one for page languages not listed
  std::size_t languageCount;
};

constexpr RowName Entry(int entry) { return {entry, nullptr, nullptr, 0, nullptr, 0}; }
constexpr RowName Text(const char* text) { return {-1, text, nullptr, 0, nullptr, 0}; }
template <std::size_t N>
constexpr RowName ByYear(const NameEra (&eras)[N]) {
  return {-1, nullptr, eras, N, nullptr, 0};
}
template <std::size_t N>
constexpr RowName ByLanguage(const LanguageText (&names)[N]) {
  return {-1, nullptr, nullptr, 0, names, N};
}

// The name in a calendar of `year` in page language `language`.
std::string NameOf(const RowName& name, int language, int year);

// The years a row holds in, both included: a holiday the law brought in or
// replaced has its years.
struct Years {
  int first = kEarliest;
  int last = kLatest;
  constexpr bool Contain(int year) const { return year >= first && year <= last; }
};

// Which weekend days move a fixed date, in the years from `fromYear` on: to
// the Monday after, or a Sunday to the Saturday before. A row that moves lies
// after its month's first day and before the year's last week.
enum class Weekend : uint8_t { kStays, kSunday, kSaturdayAndSunday, kSundayToSaturday };
struct WeekendRule {
  Weekend moves = Weekend::kStays;
  int fromYear = kEarliest;
};

constexpr int kYearBuilt = 0;

struct FixedRow {
  int month;  // 0-based
  int day;
  RowName name;
  const char* picture;
  uint32_t type = kNationalHoliday;
  int storedYear = kYearBuilt;  // a birth or founding year, kept whatever year is built
  WeekendRule weekend = {};
  Years years = {};
};

enum class FloatRule {
  kWeekOfMonth,
  kElectionTuesday,  // the Tuesday after the rule's Monday, in even years only
  kDayAfter,         // the day after the rule's day
  kLastMondayBefore,
  kFirstWhenFriday,  // the 1st instead when the month begins on a Friday
};

struct FloatingRow {
  RowName name;
  int code;     // WeekCode; for kLastMondayBefore, the limit day instead; 0 for no day
  int weekday;  // 0 = Sunday
  int month;    // 0-based
  const char* picture;
  FloatRule rule = FloatRule::kWeekOfMonth;
  Years years = {};
};

// A row held only in the given years.
constexpr FixedRow From(int firstYear, FixedRow row) {
  row.years.first = firstYear;
  return row;
}
constexpr FloatingRow From(int firstYear, FloatingRow row) {
  row.years.first = firstYear;
  return row;
}
constexpr FixedRow Until(int lastYear, FixedRow row) {
  row.years.last = lastYear;
  return row;
}
constexpr FloatingRow Until(int lastYear, FloatingRow row) {
  row.years.last = lastYear;
  return row;
}

// A country's table of rows, walked with a range-for.
template <typename Row>
struct Rows {
  const Row* first;
  std::size_t size;
  const Row* begin() const { return first; }
  const Row* end() const { return first + size; }
};

template <typename Row, std::size_t N>
constexpr Rows<Row> RowsOf(const Row (&rows)[N]) {
  return {rows, N};
}

// A holiday whose date the law lists year by year; none in other years.
struct ListedDate {
  int year;
  int month;  // 0-based
  int day;
};
struct ListedRow {
  RowName name;
  const char* picture;
  Rows<ListedDate> dates;
};

// The daylight-saving change days of a country: the start (entry 81) and the
// end (entry 82) under the rule in force from `firstYear` on. A day whose
// code is 0 is not held: in the southern hemisphere the end and the start of
// one summer lie in two calendar years, and a country may give up the change.
struct DaylightRule {
  int firstYear;
  FloatingRow start;
  FloatingRow end;
};

struct CountryList {
  Rows<FixedRow> fixed;
  Rows<FloatingRow> floating;
  Rows<DaylightRule> daylight;
  Rows<ListedRow> listed = {nullptr, 0};
};

constexpr int kSun = 0, kMon = 1, kTue = 2, kThu = 4, kSat = 6;
constexpr int kJan = 0, kFeb = 1, kMar = 2, kApr = 3, kMay = 4, kJun = 5, kJul = 6, kAug = 7,
              kSep = 8, kOct = 9, kNov = 10, kDec = 11;

constexpr const char* kClock = "daylight_savings1.gif";

}  // namespace tessolar::national
