#include "generators/year_build.h"

#include "generators/christian_days.h"
#include "generators/jewish_days.h"
#include "generators/moon_days.h"
#include "generators/national_days.h"
#include "generators/season_days.h"

namespace tessolar {
namespace {

using Generator = void (*)(CCalDatabase&, int, bool, Notes*);

struct Category {
  bool (CCalDatabase::*included)() const;
  Generator generate;
};

constexpr std::array<Category, kDayCategoryCount> kCategories = {{
    {&CCalDatabase::Christian, [](CCalDatabase& db, int year, bool remove,
                                  Notes*) { GenerateChristianDays(db, year, remove); }},
    {&CCalDatabase::National, &GenerateNationalDays},
    {&CCalDatabase::Hebrew,
     [](CCalDatabase& db, int year, bool remove, Notes*) { GenerateJewishDays(db, year, remove); }},
    {&CCalDatabase::Equinox, &GenerateSeasonDays},
    {&CCalDatabase::FullMoons,
     [](CCalDatabase& db, int year, bool remove, Notes*) { GenerateFullMoons(db, year, remove); }},
    {&CCalDatabase::MoonPhases,
     [](CCalDatabase& db, int year, bool remove, Notes*) { GenerateMoonPhases(db, year, remove); }},
}};

// Runs `generate` for each year of the span: a calendar that starts in
// January in the store itself; one across two years in a copy as well, each
// as a January calendar of its year, and each month keeps what the build of
// its own year made of it. A generator so never sees the span: what it
// clears and moves of earlier builds (sky days by name, a picture the user
// gave a holiday) it does within one year, as for a January calendar.
void RunInSpan(CCalDatabase& db, CalendarSpan span, Generator generate, bool remove, Notes* notes) {
  if (!span.CrossesYear()) {
    generate(db, span.year, remove, notes);
    return;
  }
  CCalDatabase secondYear(db);
  generate(db, span.year, remove, notes);
  generate(secondYear, span.LastYear(), remove, notes);
  db.TakeMonthsBefore(span.startMonth, secondYear);
}

}  // namespace

void CYearBuild::BuildYear(CCalDatabase& db, int year, bool removeAll, Notes* notes) {
  bool changed = false;
  for (int i = 0; i < kDayCategoryCount; ++i) {
    const bool included = (db.*kCategories[i].included)();
    if (included == lastBuilt_[i] && !removeAll) continue;
    const bool add = included && !removeAll;
    RunInSpan(db, {year, db.StartMonth()}, kCategories[i].generate, !add, notes);
    lastBuilt_[i] = add;
    changed = true;
  }
  if (changed) db.SortAndCompact();
}

}  // namespace tessolar
