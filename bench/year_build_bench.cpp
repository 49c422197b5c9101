// The year build of all five categories into a fresh calendar, as a new
// calendar or an opened file gets it.

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
    db.SetChristian(true);
    db.SetNational(true);
    db.SetHebrew(true);
    db.SetEquinox(true);
    db.SetFullMoons(true);
    CYearBuild().BuildYear(db, 2007, 0);
    benchmark::DoNotOptimize(db.Count());
  }
}
// United States (the longest list) and Germany.
BENCHMARK(BM_BuildYearAllCategories)->Arg(0)->Arg(6);

}  // namespace
}  // namespace tessolar
