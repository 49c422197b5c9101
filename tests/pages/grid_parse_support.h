#pragma once
// Reads the month grids back out of a page, so tests can check where every
// day and mini month landed against dates computed on their own.

#include <string>
#include <vector>

namespace tessolar::testing {

struct MiniGridCells {
  std::string heading;    // "December 2014"
  int firstWeekday = 0;   // blank cells before day 1
  std::vector<int> days;  // the day numbers in cell order
  int rows = 0;
};

struct GridCell {
  enum Kind { kBlank, kDay, kMini } kind = kBlank;
  int dayCount = -1;   // the "DayCount" comment of a day
  std::string token;   // the first "caldateMMDD" token of a day, if any
  MiniGridCells mini;  // for kMini
};

struct BigGridCells {
  std::vector<std::string> headings;  // the month's, then the Hebrew months' when shown
  std::vector<std::string> weekdays;
  std::vector<GridCell> cells;
  int rows = 0;
  bool found = false;
};

// Reads the first big grid at or after `from` in `page`; `from` moves past it.
BigGridCells ReadBigGrid(const std::string& page, size_t& from);

// Number of non-overlapping occurrences of `needle` in `text`.
size_t Occurrences(const std::string& text, const std::string& needle);

}  // namespace tessolar::testing
