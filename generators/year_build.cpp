#include "generators/year_build.h"

#include "generators/christian_days.h"
#include "generators/moon_days.h"
#include "generators/jewish_days.h"
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

}  // namespace

void CYearBuild::BuildYear(CCalDatabase& db, int year, bool removeAll, Notes* notes) {
  bool changed = false;
  for (int i = 0; i < kDayCategoryCount; ++i) {
    const bool included = (db.*kCategories[i].included)();
    if (included == lastBuilt_[i] && !removeAll) continue;
    const bool add = included && !removeAll;
    kCategories[i].generate(db, year, !add, notes);
    lastBuilt_[i] = add;
    changed = true;
  }
  if (changed) db.SortAndCompact();
}

}  // namespace tessolar
