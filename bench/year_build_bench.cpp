// The year build of every category into a fresh calendar, as a new calendar
// or an opened file gets it.

#include <benchmark/benchmark.h>

#include "caldata/cal_database.h"
#include "generators/year_build.h"
#include "compute/language_table.h"

namespace tessolar {
namespace {

void BM_BuildYearAllCategories(benchmark::State& state) {
  for (auto _ : state) {
    CCalDatabase db;
    db.SetCountry(static_cast<int>(state.range(0)));
    db.SetStartMonth(static_cast<int>(state.range(1)));
    db.SetChristian(true);
    db.SetNational(true);
    db.SetHebrew(true);
    db.SetEquinox(true);
    db.SetFullMoons(true);
    db.SetMoonPhases(true);
    CYearBuild().BuildYear(db, 2007, false);
    benchmark::DoNotOptimize(db.Count());
  }
}
// United States (the longest list) and Germany, from January; the United
// States from September, which builds two years.
BENCHMARK(BM_BuildYearAllCategories)->Args({0, 0})->Args({6, 0})->Args({0, 8});

// The national and Easter days of one region, with its observed days and the
// clock changes of its zone.
void BM_BuildYearOfARegion(benchmark::State& state) {
  const char* regions[] = {"US-NY", "DE-BY", "AU-VIC", "ES-CT", "GB-SCT"};
  const int countries[] = {0, 6, 3, 12, 2};
  const int i = static_cast<int>(state.range(0));
  for (auto _ : state) {
    CCalDatabase db;
    db.SetCountry(countries[i]);
    db.SetRegion(regions[i]);
    db.SetChristian(true);
    db.SetNational(true);
    CYearBuild().BuildYear(db, 2027, false);
    benchmark::DoNotOptimize(db.Count());
  }
  state.SetLabel(regions[i]);
}
BENCHMARK(BM_BuildYearOfARegion)->DenseRange(0, 4);

}  // namespace
}  // namespace tessolar
