#include <benchmark/benchmark.h>

#include <string>

#include "pages/day_cell.h"
#include "pages/image_size.h"
#include "pages/page_conventions.h"

namespace tessolar {
namespace {

// The test pictures, found from this file's place in the source tree.
const std::string kPictures =
    std::string(__FILE__).substr(0, std::string(__FILE__).rfind("/bench/")) + "/tests/data/pictures/";

void BM_ImageSize(benchmark::State& state, const char* name) {
  const std::string path = kPictures + name;
  for (auto _ : state) benchmark::DoNotOptimize(ImageSize(path));
}
BENCHMARK_CAPTURE(BM_ImageSize, baseline_jpeg, "baseline_320x240.jpg");
BENCHMARK_CAPTURE(BM_ImageSize, progressive_jpeg, "progressive_200x600.jpg");
BENCHMARK_CAPTURE(BM_ImageSize, gif, "screen_320x240.gif");
BENCHMARK_CAPTURE(BM_ImageSize, png, "grey_1600x1200.png");

// A day of four entries with pictures: the heaviest cell a grid writes.
void BM_FourEntryDayCell(benchmark::State& state) {
  CCalDatabase db;
  db.SetYear(2025);
  for (int year = 1980; year < 1984; ++year) {
    db.SaveHolidayData(2, 5, year, kBirthday, "Someone", kPictures + "baseline_320x240.jpg", 0, 1);
  }
  db.SortAndCompact();
  for (auto _ : state) {
    std::string page;
    DayCell(page, db, 2, 5, 4);
    benchmark::DoNotOptimize(page);
  }
}
BENCHMARK(BM_FourEntryDayCell);

}  // namespace
}  // namespace tessolar
