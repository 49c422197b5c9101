#include "pages/grid_parse_support.h"

#include <algorithm>
#include <cstdlib>

namespace tessolar::testing {
namespace {

const std::string kBigRowOpen = "<tr height=95 style='mso-height-source:userset;height:80.75pt'>\n";
const std::string kMiniRowOpen = "<tr height=10 style='mso-height-source:userset;height:8.50pt'>\n";
const std::string kRowClose = "</tr><!-- ";
const std::string kBlank = "<td></td><!-- ";
const std::string kMiniOpen = "<td valign=center height=95><span>\n";
const std::string kMiniEnd = " end cell with mini month-->\n";
const std::string kDayCount = "<!-- DayCount is ";
const std::string kGridEnd = "</table><!-- end big month ";

bool At(const std::string& text, size_t pos, const std::string& piece) {
  return text.compare(pos, piece.size(), piece) == 0;
}

std::string Between(const std::string& text, size_t from, const std::string& open,
                    const std::string& close) {
  const size_t a = text.find(open, from);
  if (a == std::string::npos) return {};
  const size_t b = text.find(close, a + open.size());
  if (b == std::string::npos) return {};
  return text.substr(a + open.size(), b - a - open.size());
}

size_t AfterLine(const std::string& text, size_t pos) {
  const size_t eol = text.find('\n', pos);
  return eol == std::string::npos ? text.size() : eol + 1;
}

// Reads one mini grid text (from "<!-- insert a mini" to its end comment).
MiniGridCells ReadMiniGrid(const std::string& text) {
  MiniGridCells mini;
  const size_t span = text.find("padding:-2px;font-family:");
  if (span != std::string::npos) {
    const size_t line = AfterLine(text, span);
    mini.heading = text.substr(line, text.find('\n', line) - line);
  }
  mini.firstWeekday = static_cast<int>(Occurrences(text, "<td></td><!-- 1 - index "));
  mini.rows = static_cast<int>(Occurrences(text, kMiniRowOpen));
  const std::string dayOpen = "<td align=center class=xl23>\n";
  for (size_t pos = text.find(dayOpen); pos != std::string::npos;
       pos = text.find(dayOpen, pos + 1)) {
    const size_t numberLine = AfterLine(text, AfterLine(text, pos));
    mini.days.push_back(std::atoi(text.c_str() + numberLine));
  }
  return mini;
}

}  // namespace

size_t Occurrences(const std::string& text, const std::string& needle) {
  size_t n = 0;
  for (size_t pos = text.find(needle); pos != std::string::npos;
       pos = text.find(needle, pos + needle.size())) {
    ++n;
  }
  return n;
}

int WeekdayOf(int year, int month0, int day) {
  static const int offsets[] = {0, 3, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4};
  if (month0 < 2) --year;
  const int w = (year + year / 4 - year / 100 + year / 400 + offsets[month0] + day) % 7;
  return w < 0 ? w + 7 : w;
}

int MonthLength(int year, int month0) {
  static const int lengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
  return month0 == 1 && leap ? 29 : lengths[month0];
}

BigGridCells ReadBigGrid(const std::string& page, size_t& from) {
  BigGridCells grid;
  const size_t start = page.find("<table x:str border=0", from);
  if (start == std::string::npos) {
    grid.error = "no grid";
    return grid;
  }
  grid.heading = Between(page, start, "x:num=38353>", "</td>");
  size_t pos = page.find(kBigRowOpen, start);
  const size_t end = page.find(kGridEnd, start);
  if (pos == std::string::npos || end == std::string::npos || pos > end) {
    grid.error = "no week rows";
    return grid;
  }
  for (size_t w = page.find("class=xl26", start); w < pos; w = page.find("class=xl26", w + 1)) {
    const size_t gt = page.find('>', w);
    grid.weekdays.push_back(page.substr(gt + 1, page.find("</td>", gt) - gt - 1));
  }
  while (pos < end) {
    if (At(page, pos, kBigRowOpen)) {
      ++grid.rows;
      pos += kBigRowOpen.size();
    } else if (At(page, pos, kRowClose)) {
      pos = AfterLine(page, pos);
    } else if (At(page, pos, kBlank)) {
      grid.cells.push_back(GridCell{});
      pos = AfterLine(page, pos);
    } else if (At(page, pos, kMiniOpen)) {
      const size_t close = page.find(kMiniEnd, pos);
      if (close == std::string::npos || close > end) {
        grid.error = "unclosed mini month";
        return grid;
      }
      GridCell cell;
      cell.kind = GridCell::kMini;
      cell.mini = ReadMiniGrid(page.substr(pos, close - pos));
      grid.cells.push_back(cell);
      pos = close + kMiniEnd.size();
    } else if (At(page, pos, kDayCount)) {
      GridCell cell;
      cell.kind = GridCell::kDay;
      cell.dayCount = std::atoi(page.c_str() + pos + kDayCount.size());
      pos = AfterLine(page, pos);
      // The day's cell runs up to the next cell or row piece of the grid.
      size_t next = end;
      for (const std::string* piece : {&kRowClose, &kBlank, &kMiniOpen, &kDayCount}) {
        next = std::min(next, page.find(*piece, pos));
      }
      const size_t token = page.find("caldate", pos);
      if (token < next) cell.token = page.substr(token, 11);
      grid.cells.push_back(cell);
      pos = next;
    } else {
      grid.error = "unexpected text at " + std::to_string(pos) + ": " + page.substr(pos, 60);
      return grid;
    }
  }
  from = end + kGridEnd.size();
  return grid;
}

}  // namespace tessolar::testing
