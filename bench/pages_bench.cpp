// Building the calendar pages of a full calendar: 500 entries, every one
// with a picture that the day cells probe, and twelve big pictures.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "caldata/cal_database.h"
#include "pages/calendar_page.h"

namespace {

namespace fs = std::filesystem;

void WriteJpeg(const fs::path& path, int width, int height) {
  const unsigned char header[] = {0xFF, 0xD8, 0xFF, 0xE0, 0x00, 0x10, 'J', 'F', 'I', 'F', 0, 1, 1,
                                  0, 0, 1, 0, 1, 0, 0,
                                  0xFF, 0xC0, 0x00, 0x0B, 0x08,
                                  static_cast<unsigned char>(height >> 8),
                                  static_cast<unsigned char>(height),
                                  static_cast<unsigned char>(width >> 8),
                                  static_cast<unsigned char>(width), 0x01, 0x01, 0x11, 0x00};
  std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(header), sizeof header);
}

void WriteGif(const fs::path& path, int width, int height) {
  std::string header = "GIF89a";
  header += {static_cast<char>(width), static_cast<char>(width >> 8), static_cast<char>(height),
             static_cast<char>(height >> 8), 0, 0, 0};
  std::ofstream(path, std::ios::binary) << header;
}

// One calendar for every benchmark: building it is not what is measured.
struct PictureFolder {
  PictureFolder() : path(fs::temp_directory_path() / ("tessolar_bench_" + std::to_string(::getpid()))) {
    fs::create_directories(path);
  }
  ~PictureFolder() {
    std::error_code ignored;
    fs::remove_all(path, ignored);
  }
  fs::path path;
};

const tessolar::CCalDatabase& FullCalendar() {
  static const PictureFolder folder;
  static const tessolar::CCalDatabase* db = [] {
    const fs::path& dir = folder.path;
    for (int i = 0; i < 20; ++i) {
      WriteJpeg(dir / ("photo" + std::to_string(i) + ".jpg"), 640 + 16 * i, 480);
      WriteGif(dir / ("art" + std::to_string(i) + ".gif"), 120, 90 + i);
    }
    auto* calendar = new tessolar::CCalDatabase;
    calendar->SetYear(2024);
    calendar->SetClipartDirectory(dir.string() + "/");
    for (int slot = 0; slot < tessolar::kBigPictureCount; ++slot) {
      const fs::path picture = dir / ("big" + std::to_string(slot) + ".jpg");
      WriteJpeg(picture, 1600, 1200);
      calendar->SetBigPicture(slot, picture.string(), "Month picture " + std::to_string(slot));
    }
    // 500 entries over the year: most days one or two, days 10 and 11 four or five.
    for (int i = 0; i < static_cast<int>(tessolar::kMaxEntries); ++i) {
      const int month = i % 12;
      const int k = i / 12;  // [0, 41]
      const int day = k < 36 ? 1 + (k * 3) % 28 : 10 + k % 2;
      const std::string picture =
          (i % 2 ? "photo" : "art") + std::to_string(i % 20) + (i % 2 ? ".jpg" : ".gif");
      calendar->SaveHolidayData(month, day, 1950 + i % 70, i % 10, "Entry number " + std::to_string(i),
                                picture, 0, i % 3 == 0);
    }
    calendar->SortAndCompact();
    return calendar;
  }();
  return *db;
}

size_t Count(const std::string& text, const std::string& needle) {
  size_t n = 0;
  for (size_t at = text.find(needle); at != std::string::npos; at = text.find(needle, at + 1)) ++n;
  return n;
}

// Arg 1: the same calendar with its week numbers and days off shown.
void BM_OneMonthPage(benchmark::State& state) {
  tessolar::CCalDatabase db = FullCalendar();
  db.SetWeekNumbers(state.range(0) == 1);
  db.SetMarkDaysOff(state.range(0) == 1);
  for (auto _ : state) {
    std::string page = tessolar::CalendarPageText(db, 5, 6);
    benchmark::DoNotOptimize(page);
    state.counters["pictures"] = static_cast<double>(Count(page, "<img "));
    state.counters["bytes"] = static_cast<double>(page.size());
  }
}
BENCHMARK(BM_OneMonthPage)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_AllMonthsPage(benchmark::State& state) {
  const tessolar::CCalDatabase& db = FullCalendar();
  for (auto _ : state) {
    std::string page = tessolar::CalendarPageText(db, 0, 12);
    benchmark::DoNotOptimize(page);
    state.counters["pictures"] = static_cast<double>(Count(page, "<img "));
    state.counters["bytes"] = static_cast<double>(page.size());
  }
}
BENCHMARK(BM_AllMonthsPage)->Unit(benchmark::kMillisecond);

}  // namespace
