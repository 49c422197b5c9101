#include "generators/year_build.h"

#include "generators/christian_days.h"
#include "generators/full_moon_days.h"
#include "generators/jewish_days.h"
#include "generators/national_days.h"
#include "generators/season_days.h"

namespace tessolar {
namespace {

using Generator = int (*)(CCalDatabase&, int, int, Notes*);

struct Category {
  bool (CCalDatabase::*included)() const;
  Generator generate;
};

constexpr std::array<Category, kDayCategoryCount> kCategories = {{
    {&CCalDatabase::Christian, [](CCalDatabase& db, int year, int remove,
                                  Notes*) { return GenerateChristianDays(db, year, remove); }},
    {&CCalDatabase::National, &GenerateNationalDays},
    {&CCalDatabase::Hebrew, [](CCalDatabase& db, int year, int remove,
                               Notes*) { return GenerateJewishDays(db, year, remove); }},
    {&CCalDatabase::Equinox, &GenerateSeasonDays},
    {&CCalDatabase::FullMoons, [](CCalDatabase& db, int year, int remove,
                                  Notes*) { return GenerateFullMoons(db, year, remove); }},
}};

}  // namespace

int CYearBuild::BuildYear(CCalDatabase& db, int year, int removeAll, Notes* notes) {
  bool changed = false;
  for (int i = 0; i < kDayCategoryCount; ++i) {
    const bool included = (db.*kCategories[i].included)();
    if (included == lastBuilt_[i] && removeAll == 0) continue;
    const bool add = included && removeAll == 0;
    kCategories[i].generate(db, year, add ? 0 : 1, notes);
    lastBuilt_[i] = add;
    changed = true;
  }
  if (changed) db.SortAndCompact();
  return 0;
}

}  // namespace tessolar
