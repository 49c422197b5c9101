#include <benchmark/benchmark.h>

#include <string>

#include "pages/image_size.h"
#include "pages/month_grid.h"

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

// A month of four entries with pictures every day, the heaviest grid there
// is: each picture is looked for and measured once for the whole month.
void BM_MonthOfFourEntryDays(benchmark::State& state) {
  CCalDatabase db;
  db.SetYear(2025);
  const char* const pictures[] = {"baseline_320x240.jpg", "screen_320x240.gif",
                                  "grey_1600x1200.png", "progressive_200x600.jpg"};
  for (int day = 1; day <= 31; ++day) {
    for (int k = 0; k < 4; ++k) {
      db.SaveHolidayData(2, day, 1980 + k, kBirthday, "Someone", kPictures + pictures[k], 0, 1);
    }
  }
  db.SortAndCompact();
  for (auto _ : state) {
    std::string page;
    PageFacts facts(db);
    AppendMonthGrid(page, BuildMonthView(db, 2, db.Year(), facts), GridPlace::kOwnPage);
    benchmark::DoNotOptimize(page);
  }
}
BENCHMARK(BM_MonthOfFourEntryDays);

}  // namespace
}  // namespace tessolar
