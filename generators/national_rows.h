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

// Which weekend days move a fixed date itself, in the years from `fromYear`
// on: a Sunday to the Monday after, or to the Saturday before. This is for a
// day whose celebration moves (Koningsdag); a day the law gives off instead
// stays on its date and has a substitute rule. A row that moves lies after
// its month's first day and before the year's last week.
enum class Weekend : uint8_t { kStays, kSunday, kSundayToSaturday };
struct WeekendRule {
  Weekend moves = Weekend::kStays;
  int fromYear = kEarliest;
};

// The day off the law gives when a holiday falls on a weekend. The holiday
// stays on its date; the day off shows as "NAME (observed)".
enum class Substitute : uint8_t {
  kNone,
  kNextWeekday,     // a Saturday's or Sunday's to the next weekday not already off
  kSundayToNext,    // a Sunday's only, to the next weekday not already off
  kFridayOrMonday,  // a Saturday's to the Friday before, a Sunday's to the Monday after
  kMonday,          // a Saturday's or Sunday's to the Monday after, whatever it holds
};
struct SubstituteRule {
  Substitute rule = Substitute::kNone;
  Years years = {};
};

// The regions a row holds in, by the part of their code after the country
// ("BW BY" in Germany), or everywhere when null. A leading "*" keeps the row
// in the whole country's list as well, which shows the days of every region
// as it always has; a "!" before the codes turns them round, to every region
// but these ("* !DE FL GA").
struct Where {
  const char* codes = nullptr;
};

// Whether a row holds in `region` (a code such as "DE-BY"; empty for the
// whole country).
bool Holds(const Where& where, const std::string& region);

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
  bool off = false;  // a day off by law there; otherwise an observance
  Where where = {};
  SubstituteRule substitute = {};
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
  bool off = false;
  Where where = {};
};

// A day reckoned from Easter Sunday (Corpus Christi, Jueves Santo): it
// belongs to the Easter family of days, whichever country lists it.
struct EasterRow {
  int offset;  // days from Easter Sunday
  RowName name;
  const char* picture;
  Years years = {};
  bool off = false;
  Where where = {};
};

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

// A holiday whose date the law sets year by year (a jubilee, a state
// funeral, Matariki); none in other years. A listed day off in place of a
// holiday on a weekend is `observed` and named so.
struct ListedDate {
  int year;
  int month;  // 0-based
  int day;
};
struct ListedRow {
  RowName name;
  const char* picture;
  Rows<ListedDate> dates;
  Years years = {};
  bool off = false;
  Where where = {};
  bool observed = false;
};

// The modifiers rows are written with: From(1990, Off({kJan, 1, ...})).
// Overloads per row, since a braced row deduces no template argument.
#define TESSOLAR_ROW_MODIFIERS(Row)                                     \
  constexpr Row From(int firstYear, Row row) {                         \
    row.years.first = firstYear;                                       \
    return row;                                                        \
  }                                                                    \
  constexpr Row Until(int lastYear, Row row) {                         \
    row.years.last = lastYear;                                         \
    return row;                                                        \
  }                                                                    \
  constexpr Row Off(Row row) {                                         \
    row.off = true;                                                    \
    return row;                                                        \
  }                                                                    \
  constexpr Row In(const char* codes, Row row) {                       \
    row.where.codes = codes;                                           \
    return row;                                                        \
  }
TESSOLAR_ROW_MODIFIERS(FixedRow)
TESSOLAR_ROW_MODIFIERS(FloatingRow)
TESSOLAR_ROW_MODIFIERS(EasterRow)
TESSOLAR_ROW_MODIFIERS(ListedRow)
#undef TESSOLAR_ROW_MODIFIERS

// A day off that the law moves off a weekend by `rule`, in `years` (every
// year by default).
constexpr FixedRow Observed(Substitute rule, FixedRow row, Years years = {}) {
  row.off = true;
  row.substitute = {rule, years};
  return row;
}
constexpr ListedRow ObservedDays(ListedRow row) {
  row.off = true;
  row.observed = true;
  return row;
}

// A country's holidays and observances. Its daylight-saving days come from
// the tz database (compute/daylight_saving.h).
struct CountryList {
  Rows<FixedRow> fixed;
  Rows<FloatingRow> floating;
  Rows<ListedRow> listed = {nullptr, 0};
  Rows<EasterRow> easter = {nullptr, 0};
};

constexpr int kSun = 0, kMon = 1, kTue = 2, kWed = 3, kThu = 4, kFri = 5, kSat = 6;
constexpr int kJan = 0, kFeb = 1, kMar = 2, kApr = 3, kMay = 4, kJun = 5, kJul = 6, kAug = 7,
              kSep = 8, kOct = 9, kNov = 10, kDec = 11;

}  // namespace tessolar::national
