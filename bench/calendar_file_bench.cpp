// Cost of writing and reading a full calendar (500 entries), plain and enciphered,
// and of saving and loading it as a file.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>

#include "caldata/cal_database.h"
#include "caldata/calendar_file.h"
#include "caldata/calendar_text.h"
#include "caldata/calendar_text_reader.h"
#include "caldata/cipher_envelope.h"

namespace tessolar {
namespace {

void FillFull(CCalDatabase& db) {
  db.SetClipartDirectory("/home/user/clipart/");
  for (uint32_t i = 0; db.Count() < kMaxEntries; ++i) {
    db.SaveHolidayData(static_cast<int>(i % 12), static_cast<int>(i % 28 + 1),
                       static_cast<int>(1900 + i % 120), i % 10,
                       "Entry number " + std::to_string(i) + " with a longer name",
                       "picture" + std::to_string(i % 40) + ".jpg", 0, 1);
  }
}

void BM_CalendarText(benchmark::State& state) {
  CCalDatabase db;
  FillFull(db);
  for (auto _ : state) benchmark::DoNotOptimize(CalendarText(db));
}
BENCHMARK(BM_CalendarText)->Unit(benchmark::kMicrosecond);

void BM_ReadCalendarText(benchmark::State& state) {
  CCalDatabase source;
  FillFull(source);
  const std::string text = CalendarText(source);
  for (auto _ : state) {
    CCalDatabase db;
    benchmark::DoNotOptimize(ReadCalendarText(db, text));
  }
}
BENCHMARK(BM_ReadCalendarText)->Unit(benchmark::kMillisecond);

void BM_SealAndOpenEnvelope(benchmark::State& state) {
  CCalDatabase source;
  FillFull(source);
  const std::string text = CalendarText(source);
  for (auto _ : state) benchmark::DoNotOptimize(OpenEnvelope(SealEnvelope(text)));
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_SealAndOpenEnvelope)->Unit(benchmark::kMicrosecond);

std::string BenchFile() {
  return (std::filesystem::temp_directory_path() /
          ("tessolar-bench-" + std::to_string(getpid()) + ".cal"))
      .string();
}

// A changed calendar each time, so every save writes and replaces the file.
void BM_SaveCalendarFile(benchmark::State& state) {
  CCalDatabase db;
  FillFull(db);
  const std::string path = BenchFile();
  int title = 0;
  for (auto _ : state) {
    db.SetTitle("Title " + std::to_string(++title));
    benchmark::DoNotOptimize(SaveCalendarFile(db, path));
  }
  std::filesystem::remove(path);
}
BENCHMARK(BM_SaveCalendarFile)->Unit(benchmark::kMillisecond);

void BM_LoadCalendarFile(benchmark::State& state) {
  CCalDatabase source;
  FillFull(source);
  const std::string path = BenchFile();
  SaveCalendarFile(source, path);
  for (auto _ : state) {
    CCalDatabase db;
    benchmark::DoNotOptimize(LoadCalendarFile(db, path, nullptr));
  }
  std::filesystem::remove(path);
}
BENCHMARK(BM_LoadCalendarFile)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tessolar
