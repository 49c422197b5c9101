#include "generators/holiday_rules.h"

#include <algorithm>
#include <string_view>

#include "caldata/regions.h"
#include "compute/date_arithmetic.h"
#include "compute/easter.h"
#include "compute/language_table.h"
#include "generators/countries.h"
#include "generators/easter_rows.h"
#include "generators/national_lists.h"

namespace tessolar {
namespace {

using namespace national;

// By country index.
const CountryList* const kCountries[kCountryCount] = {
    &kUnitedStates, &kCanada, &kUnitedKingdom, &kAustralia,   &kMexico, &kIreland, &kGermany,
    &kNewZealand,   &kFrance, &kBelgium,       &kNetherlands, &kItaly,  &kSpain,   &kAustria,
};

const CountryList* ListOf(int country) {
  return country >= 0 && country < kCountryCount ? kCountries[country] : nullptr;
}

// Where a country names a feast otherwise than the page language does at
// large: Belgians writing Dutch.
struct LocalName {
  int country, language, languageEntry;
  const char* text;
};
constexpr LocalName kLocalNames[] = {
    {country::kBelgium, page_language::kDutch, lang::kEasterMonday, "Paasmaandag"},
    {country::kBelgium, page_language::kDutch, lang::kAscensionDay, "O.L.H. Hemelvaart"},
    {country::kBelgium, page_language::kDutch, lang::kWhitMonday, "Pinkstermaandag"},
};

struct Date {
  int month;  // 0-based
  int day;
};

// Month and day of day `dayOfYear` (1 = 1 January) of a year whose February
// has `februaryDays`.
Date DateOfDayOfYear(int dayOfYear, int februaryDays) {
  const int lengths[] = {31, februaryDays, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  int month = 0;
  while (month < 11 && dayOfYear > lengths[month]) dayOfYear -= lengths[month++];
  return {month, dayOfYear};
}

// Days the weekend rule moves the row's date in `year`.
int WeekendShift(const FixedRow& row, int year) {
  const Weekend moves = row.weekend.moves;
  if (year < row.weekend.fromYear || moves == Weekend::kStays) return 0;
  const int weekday = (FirstWeekdayOfMonth(row.month, year) + row.day - 1) % 7;
  if (weekday != kSun) return 0;
  return moves == Weekend::kSundayToSaturday ? -1 : 1;
}

// A moved date may pass into the next month (30 April to 1 May).
Date DateOf(const FixedRow& row, int year) {
  const int day = row.day + WeekendShift(row, year);
  const int length = DaysInMonth(row.month, year);
  return day > length ? Date{row.month + 1, day - length} : Date{row.month, day};
}

RuleShift ShiftOf(FloatRule rule) {
  switch (rule) {
    case FloatRule::kElectionTuesday: return RuleShift::kElectionTuesday;
    case FloatRule::kDayAfter: return RuleShift::kNextDay;
    case FloatRule::kFirstWhenFriday: return RuleShift::kFirstWhenFriday;
    default: return RuleShift::kNone;
  }
}

// The day of the month a floating row gives in `year`; -1 for none.
int DayOf(const FloatingRow& row, int year) {
  if (row.code == 0) return -1;
  if (row.rule == FloatRule::kLastMondayBefore) return LastMondayOfMayBefore(row.code, year);
  return WeekdayRuleDayOf(row.code, row.weekday, row.month, year, ShiftOf(row.rule));
}

Date EasterDateOf(const EasterRow& row, int year) {
  // Up to 1752 the dates are Julian, whose February has 29 days in 1700 as well.
  return DateOfDayOfYear(EasterDayOfYear(year) + row.offset, EasterFebruaryDays(year));
}

bool Applies(const Years& years, const Where& where, int year, const std::string& region) {
  return years.Contain(year) && Holds(where, region);
}

std::string EntryName(const RowName& name, int country, int language, int year) {
  if (name.entry >= 0 && name.text == nullptr) return FeastName(country, language, name.entry);
  return NameOf(name, language, year);
}

// A holiday on a fixed date whose day off the law moves off a weekend.
struct Movable {
  int64_t date;
  const FixedRow* row;
};

// The day off in place of a holiday on `date` (a weekend day), or `date`
// itself when the rule moves none; `off` holds the days already off.
int64_t DayOffFor(Substitute rule, int64_t date, const std::vector<int64_t>& off) {
  const int weekday = WeekdayOfDays(date);
  const bool saturday = weekday == kSat, sunday = weekday == kSun;
  auto isOff = [&](int64_t d) { return std::find(off.begin(), off.end(), d) != off.end(); };
  auto nextFree = [&](int64_t d) {
    while (WeekdayOfDays(d) == kSat || WeekdayOfDays(d) == kSun || isOff(d)) ++d;
    return d;
  };
  switch (rule) {
    case Substitute::kNextWeekday: return saturday || sunday ? nextFree(date) : date;
    case Substitute::kSundayToNext: return sunday ? nextFree(date) : date;
    case Substitute::kFridayOrMonday: return saturday ? date - 1 : sunday ? date + 1 : date;
    case Substitute::kMonday: return saturday ? date + 2 : sunday ? date + 1 : date;
    case Substitute::kNone: break;
  }
  return date;
}

// What the rows of `list` give in `year`: each day with its date, before names.
class YearOfRows {
 public:
  YearOfRows(const CountryList& list, const std::string& region, int year)
      : list_(list), region_(region), year_(year), first_(DaysFromCivil(year, 0, 1)) {}

  // Calls `visit(date, row)` for each fixed row that holds, with its date.
  template <typename Visit>
  void Fixed(Visit visit) const {
    for (const FixedRow& row : list_.fixed) {
      if (!Applies(row.years, row.where, year_, region_)) continue;
      // No birthday before the birth, no anniversary before the founding.
      if (row.storedYear != kYearBuilt && year_ < row.storedYear) continue;
      const Date date = DateOf(row, year_);
      visit(DaysFromCivil(year_, date.month, date.day), row);
    }
  }
  template <typename Visit>
  void Floating(Visit visit) const {
    for (const FloatingRow& row : list_.floating) {
      if (!Applies(row.years, row.where, year_, region_)) continue;
      const int day = DayOf(row, year_);
      if (day > 0) visit(DaysFromCivil(year_, row.month, day), row);
    }
  }
  template <typename Visit>
  void Listed(Visit visit) const {
    for (const ListedRow& row : list_.listed) {
      if (!Applies(row.years, row.where, year_, region_)) continue;
      for (const ListedDate& date : row.dates) {
        if (date.year == year_) visit(DaysFromCivil(year_, date.month, date.day), row);
      }
    }
  }
  template <typename Visit>
  void Easter(Visit visit) const {
    for (const EasterRow& row : EasterRowsOf(list_)) {
      if (!Applies(row.years, row.where, year_, region_)) continue;
      const Date date = EasterDateOf(row, year_);
      visit(DaysFromCivil(year_, date.month, date.day), row);
    }
  }

  // The days off of the year's rows, without the days given in their place.
  std::vector<int64_t> DaysOff() const {
    std::vector<int64_t> off;
    auto add = [&](int64_t date, const auto& row) {
      if (row.off) off.push_back(date);
    };
    Fixed(add);
    Floating(add);
    Listed(add);
    Easter(add);
    return off;
  }

  // The holidays whose day off moves off a weekend, in date order.
  std::vector<Movable> MovableDays() const {
    std::vector<Movable> days;
    Fixed([&](int64_t date, const FixedRow& row) {
      const SubstituteRule& rule = row.substitute;
      if (rule.rule != Substitute::kNone && rule.years.Contain(year_)) days.push_back({date, &row});
    });
    std::stable_sort(days.begin(), days.end(),
                     [](const Movable& a, const Movable& b) { return a.date < b.date; });
    return days;
  }

  int64_t First() const { return first_; }

 private:
  const CountryList& list_;
  const std::string& region_;
  int year_;
  int64_t first_;
};

// The days off given in place of holidays on a weekend that fall in `year`:
// the year's own, and a Friday before New Year's Day of the next year.
std::vector<Movable> ObservedDaysOf(const CountryList& list, const std::string& region, int year,
                                    std::vector<int64_t>& off) {
  std::vector<Movable> observed;
  const YearOfRows rows(list, region, year);
  const int64_t next = DaysFromCivil(year + 1, 0, 1);
  for (const Movable& holiday : rows.MovableDays()) {
    const int64_t dayOff = DayOffFor(holiday.row->substitute.rule, holiday.date, off);
    if (dayOff == holiday.date || dayOff < rows.First() || dayOff >= next) continue;
    off.push_back(dayOff);
    observed.push_back({dayOff, holiday.row});
  }
  for (const Movable& holiday : YearOfRows(list, region, year + 1).MovableDays()) {
    const int64_t dayOff = DayOffFor(holiday.row->substitute.rule, holiday.date, off);
    if (dayOff >= next) continue;
    off.push_back(dayOff);
    observed.push_back({dayOff, holiday.row});
  }
  return observed;
}

Date MonthDayOf(int64_t date, int year) {
  int64_t dayOfYear = date - DaysFromCivil(year, 0, 1) + 1;
  return DateOfDayOfYear(static_cast<int>(dayOfYear), DaysInMonth(1, year));
}

}  // namespace

namespace national {

bool Holds(const Where& where, const std::string& region) {
  if (where.codes == nullptr) return true;
  std::string_view codes = where.codes;
  const bool wholeCountry = !codes.empty() && codes[0] == '*';
  if (region.empty()) return wholeCountry;
  if (wholeCountry) codes.remove_prefix(codes.size() > 1 ? 2 : 1);
  const bool allBut = !codes.empty() && codes[0] == '!';
  if (allBut) codes.remove_prefix(1);
  const std::string_view suffix = RegionSuffix(region);
  while (!codes.empty()) {
    const size_t blank = codes.find(' ');
    if (codes.substr(0, blank) == suffix) return !allBut;
    if (blank == std::string_view::npos) break;
    codes.remove_prefix(blank + 1);
  }
  return allBut;
}

std::string NameOf(const RowName& name, int language, int year) {
  if (name.text != nullptr) return name.text;
  if (name.languages != nullptr) {
    for (std::size_t i = 0; i < name.languageCount; ++i) {
      if (name.languages[i].language == language) return name.languages[i].text;
    }
    return name.languages[0].text;
  }
  if (name.eras == nullptr) return LanguageString(language, name.entry);
  const char* text = name.eras[0].text;
  for (std::size_t i = 0; i < name.eraCount; ++i) {
    if (name.eras[i].firstYear <= year) text = name.eras[i].text;
  }
  return text;
}

}  // namespace national

void EnterOrRemove(CCalDatabase& db, bool remove, const HolidayDay& day) {
  if (remove) {
    db.RemoveHolidayData(day.month, day.day, day.storedYear, day.type, day.name, day.picture);
  } else {
    db.ReplaceHolidayData(day.month, day.day, day.storedYear, day.type, day.name, day.picture);
  }
}

std::string FeastName(int country, int language, int languageEntry) {
  for (const LocalName& local : kLocalNames) {
    if (local.country == country && local.language == language &&
        local.languageEntry == languageEntry) {
      return local.text;
    }
  }
  return LanguageString(language, languageEntry);
}

std::vector<HolidayDay> NationalDaysOf(int country, const std::string& region, int language,
                                       int year) {
  std::vector<HolidayDay> days;
  const CountryList* list = ListOf(country);
  if (list == nullptr) return days;
  const YearOfRows rows(*list, region, year);
  auto add = [&](int64_t date, const RowName& name, const char* picture, uint32_t type,
                 int storedYear, bool off, bool observed) {
    const Date d = MonthDayOf(date, year);
    std::string text = NameOf(name, language, year);
    if (observed) text += " " + LanguageString(language, lang::kObserved);
    days.push_back({d.month, d.day, storedYear, type, text, picture, off, observed});
  };
  rows.Fixed([&](int64_t date, const FixedRow& row) {
    add(date, row.name, row.picture, row.type,
        row.storedYear == kYearBuilt ? year : row.storedYear, row.off, false);
  });
  rows.Floating([&](int64_t date, const FloatingRow& row) {
    add(date, row.name, row.picture, kNationalHoliday, year, row.off, false);
  });
  rows.Listed([&](int64_t date, const ListedRow& row) {
    add(date, row.name, row.picture, kNationalHoliday, year, row.off, row.observed);
  });
  std::vector<int64_t> off = rows.DaysOff();
  for (const Movable& observed : ObservedDaysOf(*list, region, year, off)) {
    add(observed.date, observed.row->name, "null", kNationalHoliday, year, true, true);
  }
  return days;
}

std::vector<HolidayDay> EasterDaysOf(int country, const std::string& region, int language,
                                     int year) {
  std::vector<HolidayDay> days;
  const CountryList* list = ListOf(country);
  if (list == nullptr) return days;
  YearOfRows(*list, region, year).Easter([&](int64_t, const EasterRow& row) {
    const Date d = EasterDateOf(row, year);
    days.push_back({d.month, d.day, year, kChristianHoliday,
                    EntryName(row.name, country, language, year), row.picture, row.off, false});
  });
  return days;
}

}  // namespace tessolar
