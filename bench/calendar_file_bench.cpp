// Cost of writing and reading a full calendar (500 entries), plain and enciphered,
// and of saving and loading it as a file.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "caldata/cal_database.h"
#include "caldata/calendar_file.h"
#include "caldata/calendar_text.h"
#include "caldata/calendar_text_reader.h"
#include "caldata/cipher_envelope.h"
#include "caldata/recovery_file.h"

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

// The calendar's text with its entries in date order (argument 0) or in
// reverse order (1), which the reader has to sort.
std::string FullCalendarText(bool reversed) {
  CCalDatabase source;
  FillFull(source);
  std::string text = CalendarText(source);
  if (!reversed) return text;
  const std::string count = "\n" + std::to_string(kMaxEntries) + "\n";
  const size_t first = text.find(count) + count.size();
  size_t end = first;
  std::vector<std::string> lines;
  for (uint32_t i = 0; i < kMaxEntries; ++i) {
    const size_t next = text.find('\n', end) + 1;
    lines.push_back(text.substr(end, next - end));
    end = next;
  }
  std::string entries;
  for (auto line = lines.rbegin(); line != lines.rend(); ++line) entries += *line;
  return text.replace(first, end - first, entries);
}

void BM_ReadCalendarText(benchmark::State& state) {
  const std::string text = FullCalendarText(state.range(0) != 0);
  for (auto _ : state) {
    CCalDatabase db;
    benchmark::DoNotOptimize(ReadCalendarText(db, text));
  }
}
BENCHMARK(BM_ReadCalendarText)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

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

// The recovery file written after a change of a full calendar: the text and
// the replacing write, with its flush to the disk.
void BM_WriteRecoveryFile(benchmark::State& state) {
  CCalDatabase db;
  FillFull(db);
  const std::string path = BenchFile();
  int64_t changedAt = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(WriteRecoveryFile(path, "", CalendarText(db), ++changedAt));
  }
  std::filesystem::remove(path);
}
BENCHMARK(BM_WriteRecoveryFile)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tessolar
