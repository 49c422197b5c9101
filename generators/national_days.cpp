#include "generators/national_days.h"

#include <climits>
#include <cstddef>
#include <string>

#include "compute/date_arithmetic.h"
#include "compute/language_table.h"
#include "generators/weekday_rule.h"

namespace tessolar {
namespace {

constexpr int kEarliest = INT_MIN;

// A name a holiday bore from `firstYear` on.
struct NameEra {
  int firstYear;
  const char* text;
};

// A holiday's name: a language-table entry, or the name it bears in its own
// country, the same in every language; where that name changed over the
// years, the names by era.
struct RowName {
  int entry;
  const char* text;
  const NameEra* eras;  // the earliest first
  std::size_t eraCount;
};

constexpr RowName Entry(int entry) { return {entry, nullptr, nullptr, 0}; }
constexpr RowName Text(const char* text) { return {-1, text, nullptr, 0}; }
template <std::size_t N>
constexpr RowName ByYear(const NameEra (&eras)[N]) {
  return {-1, nullptr, eras, N};
}

// The name in a calendar of `year` in `language`.
std::string NameOf(const RowName& name, int language, int year) {
  if (name.text != nullptr) return name.text;
  if (name.eras == nullptr) return LanguageString(language, name.entry);
  const char* text = name.eras[0].text;
  for (std::size_t i = 0; i < name.eraCount; ++i) {
    if (name.eras[i].firstYear <= year) text = name.eras[i].text;
  }
  return text;
}

constexpr int kYearBuilt = 0;

struct FixedRow {
  int month;  // 0-based
  int day;
  RowName name;
  const char* picture;
  uint32_t type = kNationalHoliday;
  int storedYear = kYearBuilt;  // a birth or founding year, kept whatever year is built
  bool sundayToMonday = false;  // moves to the next day when it falls on a Sunday
};

enum class FloatRule {
  kWeekOfMonth,
  kElectionTuesday,  // the Tuesday after the rule's Monday, in even years only
  kDayAfter,         // the day after the rule's day
  kLastMondayBefore,
};

struct FloatingRow {
  RowName name;
  int code;     // WeekCode; for kLastMondayBefore, the limit day instead
  int weekday;  // 0 = Sunday
  int month;    // 0-based
  const char* picture;
  FloatRule rule = FloatRule::kWeekOfMonth;
};

constexpr int kSun = 0, kMon = 1, kTue = 2, kThu = 4, kSat = 6;
constexpr int kJan = 0, kFeb = 1, kMar = 2, kApr = 3, kMay = 4, kJun = 5, kJul = 6, kAug = 7,
              kSep = 8, kOct = 9, kNov = 10, kDec = 11;

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

struct DaylightRule;

struct CountryList {
  Rows<FixedRow> fixed;
  Rows<FloatingRow> floating;
  Rows<DaylightRule> daylight;
};

// --- United States ---------------------------------------------------------
constexpr FixedRow kUsFixed[] = {
    {kJan, 1, Entry(102), "new_year.jpg"},
    {kFeb, 2, Entry(89), "groundhog-1_tr.gif"},
    {kFeb, 12, Entry(110), "lincoln_pres_tr.gif", kNationalHoliday, 1809},
    {kFeb, 14, Entry(125), "hearts3.gif"},
    {kFeb, 22, Entry(111), "washington_tr.gif", kNationalHoliday, 1732},
    {kMar, 17, Entry(119), "shamrock.jpg"},
    {kApr, 1, Entry(68), "jester2_tr.gif"},
    {kApr, 22, Entry(83), "catsout.jpg"},
    {kMay, 5, Entry(71), "cinco.gif"},
    {kJun, 14, Entry(88), "flag156.png"},
    {kJul, 4, Entry(92), "flag156.png"},
    {kOct, 31, Entry(90), "pumpkin2.gif"},
    {kNov, 10, Entry(124), "usmc.jpg", kBirthday, 1775},
    {kNov, 11, Entry(126), "vets2.jpg"},
    {kDec, 7, Entry(108), "arizona_memorial1.gif", kNationalHoliday, 1941},
    {kDec, 25, Entry(75), "santa.png", kChristianHoliday},
    {kDec, 31, Entry(103), "new_years_eve1.gif"},
};
constexpr FloatingRow kUsFloating[] = {
    {Entry(98), kWeekThird, kMon, kJan, "mlk1.jpg"},
    {Entry(109), kWeekThird, kMon, kFeb, "presidents_day.gif"},
    {Entry(99), kWeekSecond, kSun, kMay, "mothers_day_tr.gif"},
    {Entry(69), kWeekThird, kSat, kMay, "armed_forces_day1.jpg"},
    {Entry(97), kWeekLast, kMon, kMay, "memorial_day_sunshine.gif"},
    {Entry(87), kWeekThird, kSun, kJun, "fathers_day.gif"},
    {Entry(93), kWeekFirst, kMon, kSep, "labor_day_tr.gif"},
    {Entry(76), kWeekSecond, kMon, kOct, "columbus.png"},
    {Entry(85), kWeekFirst, kMon, kNov, "election.png", FloatRule::kElectionTuesday},
    {Entry(121), kWeekFourth, kThu, kNov, "turkey165_tr.gif"},
};

// --- Canada ----------------------------------------------------------------
// Dominion Day was renamed Canada Day in 1982.
constexpr NameEra kCanadaDay[] = {{kEarliest, "Dominion Day"}, {1982, "Canada Day"}};
constexpr FixedRow kCaFixed[] = {
    {kJan, 1, Entry(102), "new_year.jpg"},
    {kMar, 17, Text("St. Patrick's Day"), "shamrock.jpg"},
    {kDec, 25, Entry(75), "santa.png", kChristianHoliday},
    {kDec, 26, Text("Boxing Day"), "null"},
    {kDec, 31, Entry(103), "new_years_eve1.gif"},
    {kApr, 23, Text("St George's Day"), "null"},
    {kJun, 24, Text("Discovery Day"), "null"},
    {kJun, 24, Text("Quebec National Day"), "null"},
    {kJul, 1, ByYear(kCanadaDay), "null"},
    {kJul, 1, Text("Memorial Day"), "null"},
    {kJul, 12, Text("Orangemen's Day"), "null"},
    {kNov, 11, Text("Remembrance Day"), "null"},
};
constexpr FloatingRow kCaFloating[] = {
    {Text("Family Day"), kWeekThird, kMon, kFeb, "null"},
    {Text("Labour Day"), kWeekFirst, kMon, kSep, "labor_day_tr.gif"},
    {Text("British Columbia Day"), kWeekFirst, kMon, kAug, "null"},
    {Text("Discovery Day (Yukon)"), kWeekThird, kMon, kAug, "null"},
    {Text("New Brunswick Day"), kWeekFirst, kMon, kAug, "null"},
    {Text("Saskatchewan Day"), kWeekFirst, kMon, kAug, "null"},
    {Text("Thanksgiving"), kWeekSecond, kMon, kOct, "turkey165_tr.gif"},
    {Text("Victoria Day"), 25, kMon, kMay, "null", FloatRule::kLastMondayBefore},
};

// --- United Kingdom --------------------------------------------------------
constexpr FixedRow kUkFixed[] = {
    {kJan, 1, Entry(102), "new_year.jpg"},
    {kMar, 17, Text("St. Patrick's Day"), "shamrock.jpg"},
    {kJul, 12, Text("Battle of the Boyne"), "null"},
    {kDec, 25, Entry(75), "santa.png", kChristianHoliday},
    {kDec, 26, Text("Boxing Day"), "null"},
};
constexpr FloatingRow kUkFloating[] = {
    {Text("Late Summer Bank Holiday"), kWeekLast, kMon, kAug, "null"},
    {Text("May Day Bank Holiday"), kWeekFirst, kMon, kMay, "null"},
    {Text("Spring Bank Holiday"), kWeekLast, kMon, kMay, "null"},
};

// --- Australia -------------------------------------------------------------
// The sovereign's birthday, named after the reigning queen or king.
constexpr NameEra kSovereignsBirthday[] = {{kEarliest, "Queen's Birthday"},
                                           {1901, "King's Birthday"},
                                           {1952, "Queen's Birthday"},
                                           {2023, "King's Birthday"}};
constexpr FixedRow kAuFixed[] = {
    {kJan, 1, Entry(102), "new_year.jpg"},
    {kJan, 26, Text("Australia Day"), "null", kNationalHoliday, kYearBuilt, true},
    {kApr, 25, Text("Anzac Day"), "null"},
    {kDec, 25, Entry(75), "santa.png", kChristianHoliday},
    {kDec, 26, Text("Boxing Day"), "null"},
};
constexpr FloatingRow kAuFloating[] = {
    {Entry(87), kWeekFirst, kSun, kSep, "null"},
    {Text("Labour Day"), kWeekFirst, kMon, kOct, "null"},
    {Entry(99), kWeekSecond, kSun, kMay, "null"},
    {ByYear(kSovereignsBirthday), kWeekSecond, kMon, kJun, "null"},
};

// --- Mexico ----------------------------------------------------------------
constexpr FixedRow kMxFixed[] = {
    {kJan, 1, Text("Año Nuevo"), "new_year.jpg"},
    {kFeb, 5, Text("Aniversario de la Constitución"), "mexico_constitution2.jpg"},
    {kFeb, 14, Text("Día de San Valentín"), "hearts3.gif"},
    {kFeb, 24, Entry(88), "mexico_flag.gif"},
    {kMar, 21, Text("Natalicio de Benito Juárez"), "benojuarez.gif"},
    {kMay, 1, Text("Día del Trabajo"), "labor_day_tr.gif"},
    {kMay, 5, Text("Batalla de Puebla"), "cinco.gif"},
    {kMay, 10, Text("Día de las Madres"), "mothers_day_tr.gif"},
    {kSep, 16, Text("Día de la Independencia"), "mexico_flag.gif"},
    {kOct, 12, Text("Día de la Raza"), "columbus.png"},
    {kNov, 1, Text("Día de Todos los Santos"), "AllSaints.jpg"},
    {kNov, 2, Text("Día de los Fieles Difuntos"), "AllSouls.jpg"},
    {kNov, 20, Text("Aniversario de la Revolución"), "revolucion1g.gif"},
    {kDec, 12, Text("Nuestra Señora de Guadalupe"), "guadalupe.jpg"},
    {kDec, 25, Entry(75), "santa.png", kChristianHoliday},
    {kDec, 31, Text("Nochevieja"), "new_years_eve1.gif"},
};
constexpr FloatingRow kMxFloating[] = {
    {Entry(87), kWeekThird, kSun, kJun, "fathers_day.gif"},
};

// --- Germany ---------------------------------------------------------------
constexpr FixedRow kDeFixed[] = {
    {kJan, 1, Entry(102), "new_year.jpg"},
    {kJan, 6, Text("Heilige Drei Könige"), "null"},
    {kMay, 1, Text("Tag der Arbeit"), "null"},
    {kAug, 15, Text("Mariä Himmelfahrt"), "null"},
    {kOct, 3, Text("Tag der Deutschen Einheit"), "null"},
    {kNov, 1, Text("Allerheiligen"), "null"},
    {kDec, 25, Entry(75), "santa.png", kChristianHoliday},
    {kDec, 26, Text("Zweiter Weihnachtstag"), "null"},
};
constexpr FloatingRow kDeFloating[] = {
    // The Wednesday after the third Tuesday.
    {Text("Buß- und Bettag"), kWeekThird, kTue, kNov, "null", FloatRule::kDayAfter},
};

// The daylight-saving change days of each country: the start (entry 81) and
// the end (entry 82) under the rule in force from `firstYear` on. A country
// that gave up daylight saving has a last rule with no days.
struct DaylightRule {
  int firstYear;
  bool observed;
  FloatingRow start;
  FloatingRow end;
};

constexpr const char* kClock = "daylight_savings1.gif";

// The United States and Canada: the 2007 change moved both days.
constexpr DaylightRule kNorthAmericanDaylight[] = {
    {kEarliest,
     true,
     {Entry(81), kWeekFirst, kSun, kApr, kClock},
     {Entry(82), kWeekLast, kSun, kOct, kClock}},
    {2007,
     true,
     {Entry(81), kWeekSecond, kSun, kMar, kClock},
     {Entry(82), kWeekFirst, kSun, kNov, kClock}},
};
// The United Kingdom and Germany keep European summer time.
constexpr DaylightRule kEuropeanDaylight[] = {
    {kEarliest,
     true,
     {Entry(81), kWeekLast, kSun, kMar, kClock},
     {Entry(82), kWeekLast, kSun, kOct, kClock}},
};
// Australia's south-eastern states: summer time starts in spring, in October.
constexpr DaylightRule kAustralianDaylight[] = {
    {kEarliest,
     true,
     {Entry(81), kWeekLast, kSun, kOct, kClock},
     {Entry(82), kWeekLast, kSun, kMar, kClock}},
    {2008,
     true,
     {Entry(81), kWeekFirst, kSun, kOct, kClock},
     {Entry(82), kWeekFirst, kSun, kApr, kClock}},
};
// Mexico ended daylight saving after 2022.
constexpr DaylightRule kMexicanDaylight[] = {
    {kEarliest,
     true,
     {Entry(81), kWeekFirst, kSun, kApr, kClock},
     {Entry(82), kWeekLast, kSun, kOct, kClock}},
    {2023, false, {}, {}},
};

// By country index; the countries without a list have empty ones.
constexpr CountryList kCountries[kCountryCount] = {
    {RowsOf(kUsFixed), RowsOf(kUsFloating), RowsOf(kNorthAmericanDaylight)},
    {RowsOf(kCaFixed), RowsOf(kCaFloating), RowsOf(kNorthAmericanDaylight)},
    {RowsOf(kUkFixed), RowsOf(kUkFloating), RowsOf(kEuropeanDaylight)},
    {RowsOf(kAuFixed), RowsOf(kAuFloating), RowsOf(kAustralianDaylight)},
    {RowsOf(kMxFixed), RowsOf(kMxFloating), RowsOf(kMexicanDaylight)},
    {{nullptr, 0}, {nullptr, 0}, {nullptr, 0}},
    {RowsOf(kDeFixed), RowsOf(kDeFloating), RowsOf(kEuropeanDaylight)},
    {{nullptr, 0}, {nullptr, 0}, {nullptr, 0}},
};

// The rule in force in `year`: the last one that started by then.
const DaylightRule& DaylightRuleOf(const Rows<DaylightRule>& rules, int year) {
  const DaylightRule* inForce = rules.begin();
  for (const DaylightRule& rule : rules) {
    if (rule.firstYear <= year) inForce = &rule;
  }
  return *inForce;
}

int DayOf(const FixedRow& row, int year) {
  if (row.sundayToMonday && (FirstWeekdayOfMonth(row.month, year) + row.day - 1) % 7 == kSun) {
    return row.day + 1;
  }
  return row.day;
}

void ApplyFixed(CCalDatabase& db, const FixedRow& row, int year, bool remove) {
  const std::string name = NameOf(row.name, db.Language(), year);
  const int day = DayOf(row, year);
  const int storedYear = row.storedYear == kYearBuilt ? year : row.storedYear;
  if (remove) {
    db.RemoveHolidayData(row.month, day, storedYear, row.type, name, row.picture);
  } else {
    db.ReplaceHolidayData(row.month, day, storedYear, row.type, name, row.picture);
  }
}

RuleShift ShiftOf(FloatRule rule) {
  switch (rule) {
    case FloatRule::kElectionTuesday: return RuleShift::kElectionTuesday;
    case FloatRule::kDayAfter: return RuleShift::kNextDay;
    default: return RuleShift::kNone;
  }
}

void ApplyFloating(CCalDatabase& db, const FloatingRow& row, int year, bool remove) {
  const int action = remove ? kRemoveNational : kEnterNational;
  const std::string name = NameOf(row.name, db.Language(), year);
  if (row.rule == FloatRule::kLastMondayBefore) {
    LastWeekdayBeforeDay(db, name, row.month, row.code, year, row.picture, action);
  } else {
    WeekdayRuleDay(db, name, row.code, row.weekday, row.month, year, row.picture, action,
                   ShiftOf(row.rule));
  }
}

}  // namespace

int GenerateNationalDays(CCalDatabase& db, int year, int remove, Notes* notes) {
  const int country = db.Country();
  if (country < 0 || country >= kCountryCount) return 0;
  const CountryList& list = kCountries[country];
  if (list.fixed.size == 0) return 0;
  const bool removing = remove != 0;
  if (!removing && year < kFirstRuleYear && list.floating.size > 0) {
    Note(notes, "National days on a weekday rule are computed from " +
                    std::to_string(kFirstRuleYear) + " on; " + std::to_string(year) +
                    " has only those on a fixed date.");
  }
  for (const FixedRow& row : list.fixed) ApplyFixed(db, row, year, removing);
  for (const FloatingRow& row : list.floating) ApplyFloating(db, row, year, removing);
  const DaylightRule& daylight = DaylightRuleOf(list.daylight, year);
  if (daylight.observed) {
    ApplyFloating(db, daylight.start, year, removing);
    ApplyFloating(db, daylight.end, year, removing);
  }
  return 0;
}

}  // namespace tessolar
