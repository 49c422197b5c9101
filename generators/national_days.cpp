#include "generators/national_days.h"

#include <string>

#include "compute/date_arithmetic.h"
#include "compute/language_table.h"
#include "generators/national_lists.h"
#include "generators/weekday_rule.h"

namespace tessolar {
namespace {

using namespace national;

// By country index; a country without its list yet has no national days.
const CountryList* const kCountries[kCountryCount] = {
    &kUnitedStates, &kCanada, &kUnitedKingdom, &kAustralia,   &kMexico, &kIreland, &kGermany,
    &kNewZealand,   &kFrance, &kBelgium,       &kNetherlands, &kItaly,  &kSpain,   &kAustria,
};

// The rule in force in `year`: the last one that started by then.
const DaylightRule& DaylightRuleOf(const Rows<DaylightRule>& rules, int year) {
  const DaylightRule* inForce = rules.begin();
  for (const DaylightRule& rule : rules) {
    if (rule.firstYear <= year) inForce = &rule;
  }
  return *inForce;
}

// Days the weekend rule moves the row's date in `year`.
int WeekendShift(const FixedRow& row, int year) {
  const Weekend moves = row.weekend.moves;
  if (year < row.weekend.fromYear || moves == Weekend::kStays) return 0;
  const int weekday = (FirstWeekdayOfMonth(row.month, year) + row.day - 1) % 7;
  if (weekday == kSun) return moves == Weekend::kSundayToSaturday ? -1 : 1;
  return weekday == kSat && moves == Weekend::kSaturdayAndSunday ? 2 : 0;
}

struct MonthDay {
  int month;  // 0-based
  int day;
};

// A moved date may pass into the next month (30 April to 1 May).
MonthDay DateOf(const FixedRow& row, int year) {
  const int day = row.day + WeekendShift(row, year);
  const int length = DaysInMonth(row.month, year);
  return day > length ? MonthDay{row.month + 1, day - length} : MonthDay{row.month, day};
}

void EnterOrRemove(CCalDatabase& db, bool remove, int month, int day, int storedYear, uint32_t type,
                   const std::string& name, const char* picture) {
  if (remove) {
    db.RemoveHolidayData(month, day, storedYear, type, name, picture);
  } else {
    db.ReplaceHolidayData(month, day, storedYear, type, name, picture);
  }
}

void ApplyFixed(CCalDatabase& db, const FixedRow& row, int year, bool remove) {
  if (!row.years.Contain(year)) return;
  const int storedYear = row.storedYear == kYearBuilt ? year : row.storedYear;
  const MonthDay date = DateOf(row, year);
  EnterOrRemove(db, remove, date.month, date.day, storedYear, row.type,
                NameOf(row.name, db.Language(), year), row.picture);
}

RuleShift ShiftOf(FloatRule rule) {
  switch (rule) {
    case FloatRule::kElectionTuesday: return RuleShift::kElectionTuesday;
    case FloatRule::kDayAfter: return RuleShift::kNextDay;
    case FloatRule::kFirstWhenFriday: return RuleShift::kFirstWhenFriday;
    default: return RuleShift::kNone;
  }
}

void ApplyFloating(CCalDatabase& db, const FloatingRow& row, int year, bool remove) {
  if (row.code == 0 || !row.years.Contain(year)) return;
  const int action = remove ? kRemoveNational : kEnterNational;
  const std::string name = NameOf(row.name, db.Language(), year);
  if (row.rule == FloatRule::kLastMondayBefore) {
    LastWeekdayBeforeDay(db, name, row.month, row.code, year, row.picture, action);
  } else {
    WeekdayRuleDay(db, name, row.code, row.weekday, row.month, year, row.picture, action,
                   ShiftOf(row.rule));
  }
}

void ApplyListed(CCalDatabase& db, const ListedRow& row, int year, bool remove) {
  for (const ListedDate& date : row.dates) {
    if (date.year != year) continue;
    EnterOrRemove(db, remove, date.month, date.day, year, kNationalHoliday,
                  NameOf(row.name, db.Language(), year), row.picture);
  }
}

}  // namespace

namespace national {

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

int GenerateNationalDays(CCalDatabase& db, int year, int remove, Notes* notes) {
  const int country = db.Country();
  if (country < 0 || country >= kCountryCount || kCountries[country] == nullptr) return 0;
  const CountryList& list = *kCountries[country];
  const bool removing = remove != 0;
  if (!removing && year < kFirstRuleYear && list.floating.size > 0) {
    Note(notes, "National days on a weekday rule are computed from " +
                    std::to_string(kFirstRuleYear) + " on; " + std::to_string(year) +
                    " has only those on a fixed date.");
  }
  for (const FixedRow& row : list.fixed) ApplyFixed(db, row, year, removing);
  for (const FloatingRow& row : list.floating) ApplyFloating(db, row, year, removing);
  for (const ListedRow& row : list.listed) ApplyListed(db, row, year, removing);
  const DaylightRule& daylight = DaylightRuleOf(list.daylight, year);
  ApplyFloating(db, daylight.start, year, removing);
  ApplyFloating(db, daylight.end, year, removing);
  return 0;
}

}  // namespace tessolar
