// Hebrew date conversion and the two holiday generators, per call.

#include <benchmark/benchmark.h>

#include <cstdint>

#include "caldata/cal_database.h"
#include "compute/easter.h"
#include "generators/christian_days.h"
#include "generators/jewish_days.h"
#include "compute/hebrew_calendar.h"

namespace tessolar {
namespace {

void BM_JulianDayToHebrew(benchmark::State& state) {
  int64_t jd = GregorianJulianDay(2007, 0, 1);
  for (auto _ : state) {
    benchmark::DoNotOptimize(JulianDayToHebrew(jd));
    jd = jd < 2500000 ? jd + 1 : 2400000;
  }
}
BENCHMARK(BM_JulianDayToHebrew);

void BM_EasterSunday(benchmark::State& state) {
  int year = 1775;
  for (auto _ : state) {
    benchmark::DoNotOptimize(EasterSunday(year));
    year = year < 4000 ? year + 1 : 1775;
  }
}
BENCHMARK(BM_EasterSunday);

// Entering and removing one year's days in an empty store.
template <void (*Generate)(CCalDatabase&, int, bool)>
void BM_EnterAndRemoveYear(benchmark::State& state) {
  CCalDatabase db;
  int year = 1775;
  for (auto _ : state) {
    Generate(db, year, false);
    Generate(db, year, true);
    db.SortAndCompact();
    year = year < 4000 ? year + 1 : 1775;
  }
}
BENCHMARK_TEMPLATE(BM_EnterAndRemoveYear, GenerateJewishDays);
BENCHMARK_TEMPLATE(BM_EnterAndRemoveYear, GenerateChristianDays);

}  // namespace
}  // namespace tessolar
